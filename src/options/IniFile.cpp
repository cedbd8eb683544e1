#include "options/IniFile.h"

#include <fstream>

#include "util/Path.h"

namespace zum {

namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

U_String readIniValue(const U_String& path, std::string_view section, std::string_view key, std::size_t maxLength) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return U_String();
  bool inSection = false;
  U_String line;
  while (std::getline(in, line)) {
    std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';') continue;
    if (text.front() == '[') {
      const std::size_t close = text.find(']');
      inSection = close != std::string_view::npos && U_Path::equalIgnoreCase(trimmed(text.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || !U_Path::equalIgnoreCase(trimmed(text.substr(0, equals)), key)) continue;
    std::string_view value = trimmed(text.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return U_String(value.substr(0, maxLength));
  }
  return U_String();
}

}  // namespace zum
