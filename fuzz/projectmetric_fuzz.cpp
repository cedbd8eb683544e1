// Feeds arbitrary bytes to zum as a project metric file left by earlier
// runs: the run reads it back as its last entry and appends its own
// metrics. What was there must keep every byte of its whole lines (a last
// line cut off is dropped), the new lines must be whole, and a second run
// must read the result back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzRun.h"

namespace {

// One source with a function that calls another, so that the run writes
// project and function metrics.
const char kSource[] =
    "<DEFINE> f a.c 1 N DF OF F X ()ni -\n"
    "<DEFINE> g a.c 5 N DF OF F X ()ni -\n"
    "<R>C f g 2\n"
    "<S>\n<S>STFIL a.c\n<S>STNAM f\n<S>STCYC 2\n<S>STM29 1\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzzrun::at;
  fuzzrun::freshOutputDirectory();
  const std::string earlier(reinterpret_cast<const char*>(data), size);
  fuzzrun::writeFile(at("out/p.met"), earlier);
  fuzzrun::writeFile(at("out/a.c.met"), kSource);
  const std::vector<std::string> arguments = {"ZEK", "-cmaf", at("out/p"), "-op", at("out"), "a.c"};

  const int exitCode = fuzzrun::runZum(arguments);
  fuzzrun::expectUsualExit(exitCode);
  const std::string after = fuzzrun::readFile(at("out/p.met"));
  const std::size_t kept = earlier.rfind('\n') == std::string::npos ? 0 : earlier.rfind('\n') + 1;
  if (after.compare(0, kept, earlier, 0, kept) != 0) std::abort();
  const std::string_view added = std::string_view(after).substr(kept);
  // A run stopped by damage in what it read back writes no metrics.
  if ((exitCode == 0 && added.empty()) || !fuzzrun::linesWhole(added)) std::abort();

  fuzzrun::expectUsualExit(fuzzrun::runZum(arguments));
  fuzzrun::expectReadable(at("out/p.err"));
  return 0;
}
