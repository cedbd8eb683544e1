// Feeds arbitrary bytes to zum as the metric files of a project's sources
// and runs the whole program over them: the real reader, every record kind
// into the model, every module of the product registered, the end event
// with all checks and metrics. The run must end with success or a user
// error, and the project files it writes must read back.
//
// Input: the metric file of a.c, then optionally a form feed and the one
// of b.c. An input that begins with "ZEKPP\n" is read by the C++ product
// (its modules: class metrics, templates, ...), any other by the C one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzRun.h"

namespace {

// An error file of the current generation without records.
const std::string kEmptyErrorFile("\x00\x82\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00", 13);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzzrun::at;
  fuzzrun::freshOutputDirectory();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string product = "ZEK";
  if (input.starts_with("ZEKPP\n")) {
    product = "ZEKPP";
    input.remove_prefix(6);
  }
  const std::size_t split = input.find('\f');
  fuzzrun::writeFile(at("out/a.c.met"), input.substr(0, split));
  fuzzrun::writeFile(at("out/b.c.met"), split == std::string_view::npos ? "" : input.substr(split + 1));
  fuzzrun::writeFile(at("out/a.c.err"), kEmptyErrorFile);
  fuzzrun::writeFile(at("out/b.c.err"), kEmptyErrorFile);

  fuzzrun::expectUsualExit(
      fuzzrun::runZum({product, "-cmaf", at("out/p"), "-op", at("out"), "-debug", "always_read_errors", "a.c", "b.c"}));
  fuzzrun::expectReadable(at("out/p.err"));
  if (!fuzzrun::linesWhole(fuzzrun::readFile(at("out/p.met")))) std::abort();
  return 0;
}
