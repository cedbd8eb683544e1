// How a literal token is written down in a literal record: its text, its
// suffix and the two letters of its kind. Pure text work on the token's
// spelling (line splices already removed).
#pragma once

#include <string_view>

namespace scan {

// A number token cut into the number as written and its suffix ("UL",
// "f", "i64"...; empty when none), with its form: D decimal, H hex,
// O octal, B binary, F floating.
struct NumberParts {
  std::string_view number;
  std::string_view suffix;
  char form = 'D';
};
NumberParts splitNumber(std::string_view token);

// A character or string token: its text as the record carries it and the
// two kind letters. The record's reader takes a quoted text only when it
// starts with a quote or with "L", so the prefixes u8, u and U are left out
// of the text (the type string keeps the element type); L and the other
// wide prefixes mark the kind "W". A backslash in the text marks "E" (an
// escape sequence) unless the literal is wide.
struct QuotedParts {
  std::string_view text;
  char kind[3] = {'S', '-', '\0'};
};
QuotedParts splitQuoted(std::string_view token);

}  // namespace scan
