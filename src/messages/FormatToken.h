// The tokens of a lexed format string. A format is an ordered list of
// tokens; a directive that takes an argument is followed by the token that
// carries it (a number after "%w", the operand, operator and number of a
// condition) or carries it itself (the text of "%i" and "%R").
#pragma once

#include <string_view>
#include <vector>

#include "util/Ref.h"
#include "util/String.h"

// Token kinds. The numbers are part of the format language: they are what
// "show-format" prints.
enum FM_TokenKind : int {
  FM_CONDITION = 0,  // "%?"
  FM_ELSE = 1,       // "%:"
  FM_GROUP_START = 2,
  FM_GROUP_END = 3,
  FM_LEVEL = 4,             // "%g"
  FM_MESSAGE = 5,           // "%n"
  FM_MESSAGE_PADDED = 6,    // "%N"
  FM_FILE = 7,              // "%f"
  FM_FULL_PATH = 8,         // "%F"
  FM_BASE_NAME = 9,         // "%B"
  FM_FILE_CHANGED = 10,     // "F" in a condition
  FM_LINE = 11,             // "%l"
  FM_LINE_CHANGED = 12,     // "L", only in a condition
  FM_COLUMN = 13,           // "%c"
  FM_COLUMN_LESS_ONE = 14,  // "%C"
  FM_PLACE_CHANGED = 15,    // "C" in a condition
  FM_CARET = 16,            // "%^"
  FM_TEXT = 17,             // "%t"
  FM_HAS_SECOND_TEXT = 18,  // "v" in a condition
  FM_SECOND_TEXT = 19,      // "%v"
  FM_ERROR_FLAG = 20,       // "%h"
  FM_DEPTH = 21,            // "%u"
  FM_HARD_BREAKS = 22,      // "%w" N
  FM_BLANK_BREAKS = 23,     // "%W" N
  FM_CUT = 24,              // "%s" N
  FM_CONTINUATION = 25,     // "%i(" text ")"
  FM_REMEMBER = 26,         // "%q"
  FM_FORGET = 27,           // "%Q"
  FM_REPEAT = 28,           // "%R(" directive "," text ")"
  FM_LITERAL = 29,          // text written as it stands
  FM_COMPARISON = 36,       // "==", "!=", "<", ">", "<=", ">="
  FM_NUMBER = 37,
};

class FM_LexToken : public U_Ref {
 public:
  explicit FM_LexToken(int kind) : kind_(kind) {}
  int kind() const noexcept { return kind_; }
  // The token as "show-format" prints it.
  virtual U_String readable() const;

 private:
  int kind_;
};

// Literal text, the text argument of "%i" and "%R", or a comparison operator.
class FM_LexAlphaToken final : public FM_LexToken {
 public:
  FM_LexAlphaToken(int kind, U_String text) : FM_LexToken(kind), text_(std::move(text)) {}
  const U_String& text() const noexcept { return text_; }
  U_String readable() const override;

 private:
  U_String text_;
};

// The number of a comparison or the width of a line mode.
class FM_LexNumToken final : public FM_LexToken {
 public:
  FM_LexNumToken(int kind, int number) : FM_LexToken(kind), number_(number) {}
  int number() const noexcept { return number_; }
  U_String readable() const override;

 private:
  int number_;
};

using FM_TokenList = std::vector<U_Handle<FM_LexToken>>;

// The whole list, tokens separated by blanks.
U_String FM_readableTokens(const FM_TokenList& tokens);
