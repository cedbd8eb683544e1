#include "options/VariableSubstitution.h"

#include <cstdlib>
#include <ostream>

namespace zum {

namespace {

bool isNameChar(char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void appendVariable(U_String& out, std::string_view name) {
  if (const char* value = std::getenv(U_String(name).c_str())) out += value;
}

}  // namespace

U_String substituteVariables(std::string_view line, std::ostream& messages, std::string_view place) {
  U_String out;
  out.reserve(line.size());
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (c != '$') {
      out += c;
      ++i;
    } else if (next == '$') {
      out += '$';
      i += 2;
    } else if (next == '{') {
      const std::size_t close = line.find('}', i + 2);
      if (close == std::string_view::npos) {
        std::string_view shown = line;
        if (!shown.empty() && shown.back() == '\n') shown.remove_suffix(1);
        messages << "\nERROR: Badly formed variable substitution:\n\t" << shown << "\n";
        if (!place.empty()) messages << "  " << place << "\n";
        if (!line.empty() && line.back() == '\n') out += '\n';
        break;
      }
      appendVariable(out, line.substr(i + 2, close - i - 2));
      i = close + 1;
    } else if (isNameChar(next)) {
      std::size_t end = i + 1;
      while (end < line.size() && isNameChar(line[end])) ++end;
      appendVariable(out, line.substr(i + 1, end - i - 1));
      i = end;
    } else {
      out += '$';
      ++i;
    }
  }
  return out;
}

}  // namespace zum
