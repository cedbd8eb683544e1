#include "core/LiteralText.h"

namespace scan {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if ((text[i] | 0x20) != prefix[i]) return false;
  return true;
}

bool isFloating(std::string_view token, bool hex) {
  if (hex) return token.find_first_of(".pP") != std::string_view::npos;
  return token.find_first_of(".eE") != std::string_view::npos;
}

// The length of the run at the end of `text` made of `letters` only.
std::size_t trailingRun(std::string_view text, std::string_view letters) {
  std::size_t n = 0;
  while (n < text.size() && letters.find(text[text.size() - 1 - n]) != std::string_view::npos) ++n;
  return n;
}

}  // namespace

NumberParts splitNumber(std::string_view token) {
  const bool hex = startsWithNoCase(token, "0x");
  const bool binary = startsWithNoCase(token, "0b");
  NumberParts parts;
  std::size_t suffix = 0;
  if (isFloating(token, hex)) {
    parts.form = 'F';
    suffix = trailingRun(token, "fFlL");
  } else {
    parts.form = hex ? 'H' : binary ? 'B' : (token.size() > 1 && token[0] == '0') ? 'O' : 'D';
    // The sized suffixes of one compiler family: i8 to i64, also after "u".
    for (std::string_view sized : {"i64", "i32", "i16", "i8"}) {
      if (token.size() > sized.size() && startsWithNoCase(token.substr(token.size() - sized.size()), sized)) {
        suffix = sized.size();
        if (token.size() > suffix + 1 && (token[token.size() - suffix - 1] | 0x20) == 'u') ++suffix;
        break;
      }
    }
    if (suffix == 0) suffix = trailingRun(token, "uUlLzZ");
  }
  if (suffix >= token.size()) suffix = 0;  // never leave the number empty
  parts.number = token.substr(0, token.size() - suffix);
  parts.suffix = token.substr(token.size() - suffix);
  return parts;
}

QuotedParts splitQuoted(std::string_view token) {
  QuotedParts parts;
  if (token.empty()) return parts;
  std::size_t quote = token.find_first_of("\"'");
  if (quote == std::string_view::npos) quote = 0;
  std::string_view prefix = token.substr(0, quote);
  parts.kind[0] = token[quote] == '\'' ? 'C' : 'S';
  const bool wide = prefix == "L" || prefix == "u" || prefix == "U";
  parts.text = prefix == "L" ? token : token.substr(quote);
  if (wide)
    parts.kind[1] = 'W';
  else if (parts.text.find('\\') != std::string_view::npos)
    parts.kind[1] = 'E';
  return parts;
}

}  // namespace scan
