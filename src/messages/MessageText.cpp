#include "messages/MessageText.h"

#include <string>

#include "messages/Diagnostic.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parameter numbers beyond any real count are held here; they can only be
// "not available".
constexpr std::size_t kNumberCap = 1'000'000'000;

}  // namespace

U_String M_substituteParameters(std::string_view text, const M_Diagnostic& diagnostic) {
  U_String out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i++];
    if (c == '\\') {
      if (i == text.size()) break;  // a '\' at the end is dropped
      const char escaped = text[i++];
      out += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
      continue;
    }
    if (c != '%') {
      out += c;
      continue;
    }
    const std::size_t digitsAt = i;
    std::size_t number = 0;
    while (i < text.size() && isDigit(text[i])) {
      if (number < kNumberCap) number = number * 10 + static_cast<std::size_t>(text[i] - '0');
      ++i;
    }
    if (i < text.size() && text[i] == 's') {
      ++i;
      const std::size_t index = number == 0 ? 0 : number - 1;
      if (index < diagnostic.paramCount()) {
        out += diagnostic.param(index)->text();
      } else {
        out += "{parameter ";
        out += std::to_string(index + 1);
        out += " not available}";
      }
      continue;
    }
    out += '%';
    if (number > 0) out += text.substr(digitsAt, i - digitsAt);
    if (i < text.size()) out += text[i++];
  }
  return out;
}
