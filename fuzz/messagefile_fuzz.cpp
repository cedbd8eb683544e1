// Feeds arbitrary bytes to the message file reader, with "standard" off and
// on. It must load what it can, never hold a line longer than the limit,
// and give every entry a level and a text that substitution can fill.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "messages/Diagnostic.h"
#include "messages/MessageFile.h"
#include "messages/MessageTable.h"
#include "messages/MessageText.h"
#include "util/ProcessState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zum::ProcessState::reset();
  const std::string input(reinterpret_cast<const char*>(data), size);
  M_Diagnostic diagnostic(1);
  diagnostic.addString("x");
  for (const bool standard : {false, true}) {
    M_MessageTable table(standard);
    std::istringstream in(input);
    std::ostringstream warnings;
    M_readMessageFile(in, "fuzz.msg", table, warnings);
    for (const auto& [number, entry] : table.entriesByNumber()) {
      if (number < 0 || entry->levelName.empty()) std::abort();
      if (entry->text.size() + entry->secondText.size() > kMaxMessageLineLength) std::abort();
      if (table.find(number) != entry) std::abort();
      M_substituteParameters(entry->text, diagnostic);
      M_substituteParameters(entry->secondText, diagnostic);
      (void)table.messageLevel(number);
    }
  }
  return 0;
}
