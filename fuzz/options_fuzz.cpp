// Feeds arbitrary bytes to the option sources: as a via file, a list file,
// the defaults file or the product's configuration file, read by the
// tokenizer and the argument loop, then turned into the run's settings.
// Parsing only: nothing is run, so no option can make the fuzzer write
// files. Bad input may raise a configuration error, never crash.
//
// Input: one byte choosing the source (its low two bits) and the input
// encoding (bit 2: Shift_JIS), then the file's content.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzRun.h"
#include "options/CmdArgs.h"
#include "options/OrphanHandler.h"
#include "options/RunSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using fuzzrun::at;
  const auto& dir = fuzzrun::scratchDirectory();
  const unsigned choice = data[0];
  const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
  ::setenv("LANG", choice & 4 ? "ja_JP.SJIS" : "C", 1);

  std::vector<U_String> arguments;
  switch (choice & 3) {
    case 0:
      fuzzrun::writeFile(at("input.via"), content);
      arguments = {"-cmaf", "p", "-via", at("input.via"), "f.c"};
      break;
    case 1:
      fuzzrun::writeFile(at("input.lst"), content);
      arguments = {"-cmaf", "p", "-list", at("input.lst")};
      break;
    case 2:
      fuzzrun::writeFile(at(".zekrc"), content);
      ::setenv("ZEKRCPATH", dir.c_str(), 1);
      arguments = {"f.c"};
      break;
    default:
      fuzzrun::writeFile(at("bin/zek.cfg"), content);
      arguments = {"f.c"};
      break;
  }
  try {
    auto cmdArgs = U_make<C_CmdArgs>("ZEK", arguments);
    C_OrphanFileHandler orphans;
    cmdArgs->parse(orphans);
    C_publishRunSettings(C_readRunSettings(*cmdArgs));
  } catch (const U_Exception&) {
    // A configuration error: its message and exit code are the answer.
  }
  ::unsetenv("ZEKRCPATH");
  fuzzrun::writeFile(at("bin/zek.cfg"), "");
  zum::ProcessState::reset();
  return 0;
}
