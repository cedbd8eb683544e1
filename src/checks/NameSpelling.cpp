#include "checks/NameSpelling.h"

#include <algorithm>

#include "anlsrslt/model/QualifiedName.h"

namespace zum {

namespace {

bool sameSpelling(std::string_view text, std::string_view spelling) noexcept {
  return std::equal(text.begin(), text.end(), spelling.begin(), spelling.end(),
                    [](char a, char b) { return listCharacterOf(a) == b; });
}

}  // namespace

bool spellingStartsWith(std::string_view name, std::string_view spelling) noexcept {
  return name.size() >= spelling.size() && sameSpelling(name.substr(0, spelling.size()), spelling);
}

bool spellingEndsWith(std::string_view name, std::string_view spelling) noexcept {
  return name.size() >= spelling.size() && sameSpelling(name.substr(name.size() - spelling.size()), spelling);
}

std::size_t findSpelling(std::string_view name, std::string_view spelling) noexcept {
  if (spelling.empty()) return 0;
  // Names are searched by the millions: jump from one occurrence of the
  // first character to the next unless a marker may stand for it.
  const char first = spelling.front();
  const bool markable = std::string_view("<>(),").find(first) != std::string_view::npos;
  for (std::size_t at = markable ? 0 : name.find(first);
       at != std::string_view::npos && at + spelling.size() <= name.size();
       at = markable ? at + 1 : name.find(first, at + 1)) {
    if (sameSpelling(name.substr(at, spelling.size()), spelling)) return at;
  }
  return std::string_view::npos;
}

}  // namespace zum
