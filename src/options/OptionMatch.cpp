#include "options/OptionMatch.h"

#include <algorithm>

#include "options/ArgStream.h"
#include "options/OptionExceptions.h"
#include "util/Path.h"

namespace {

char lower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Orders table entries by their first byte only.
struct FirstByteLess {
  bool operator()(const C_OptionName& entry, char c) const noexcept {
    return static_cast<unsigned char>(entry.name.front()) < static_cast<unsigned char>(c);
  }
  bool operator()(char c, const C_OptionName& entry) const noexcept {
    return static_cast<unsigned char>(c) < static_cast<unsigned char>(entry.name.front());
  }
};

}  // namespace

C_OptionMatch matchOption(std::string_view text, std::span<const C_OptionName> table, C_Options& options) {
  C_OptionMatch best;
  if (text.empty()) return best;
  const auto [first, last] = std::equal_range(table.begin(), table.end(), lower(text.front()), FirstByteLess());
  const C_OptionName* longest = nullptr;
  for (auto entry = first; entry != last; ++entry) {
    if (longest && entry->name.size() <= longest->name.size()) continue;
    if (U_Path::isPrefixIgnoreCase(entry->name, text)) longest = &*entry;
  }
  if (longest) {
    best.option = &longest->option(options);
    best.length = longest->name.size();
  }
  return best;
}

U_String readOptionValue(std::string_view optionName, C_ArgStream& stream) {
  U_String value;
  if (!stream.read(value)) throw C_ValueExpectedException(optionName);
  if (!value.empty() && value.front() == '=') value.erase(0, 1);
  return value;
}
