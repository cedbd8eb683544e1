#include "messages/FormatToken.h"

#include <string>

namespace {

// The directive letters by token kind, for the readable form.
char directiveLetter(int kind) {
  switch (kind) {
    case FM_LEVEL: return 'g';
    case FM_MESSAGE: return 'n';
    case FM_MESSAGE_PADDED: return 'N';
    case FM_FILE: return 'f';
    case FM_FULL_PATH: case FM_FILE_CHANGED: return 'F';
    case FM_BASE_NAME: return 'B';
    case FM_LINE: return 'l';
    case FM_LINE_CHANGED: return 'L';
    case FM_COLUMN: return 'c';
    case FM_COLUMN_LESS_ONE: case FM_PLACE_CHANGED: return 'C';
    case FM_CARET: return '^';
    case FM_TEXT: return 't';
    case FM_HAS_SECOND_TEXT: case FM_SECOND_TEXT: return 'v';
    case FM_ERROR_FLAG: return 'h';
    case FM_DEPTH: return 'u';
    case FM_HARD_BREAKS: return 'w';
    case FM_BLANK_BREAKS: return 'W';
    case FM_CUT: return 's';
    case FM_CONTINUATION: return 'i';
    case FM_REMEMBER: return 'q';
    case FM_FORGET: return 'Q';
    case FM_REPEAT: return 'R';
    default: return 0;
  }
}

}  // namespace

U_String FM_LexToken::readable() const {
  switch (kind_) {
    case FM_CONDITION: return "<0 %?>";
    case FM_ELSE: return "<1 %:>";
    case FM_GROUP_START: return "<2 %(>";
    case FM_GROUP_END: return "<3 %)>";
    default: break;
  }
  const char letter = directiveLetter(kind_);
  U_String out = "<" + std::to_string(kind_);
  if (letter != 0) {
    out += " %";
    out += letter;
  }
  out += '>';
  return out;
}

U_String FM_LexAlphaToken::readable() const {
  U_String out = FM_LexToken::readable();
  out.pop_back();
  out += " \"";
  out += text();
  out += "\">";
  return out;
}

U_String FM_LexNumToken::readable() const {
  U_String out = FM_LexToken::readable();
  out.pop_back();
  out += ' ';
  out += std::to_string(number_);
  out += '>';
  return out;
}

U_String FM_readableTokens(const FM_TokenList& tokens) {
  U_String out;
  for (const U_Handle<FM_LexToken>& token : tokens) {
    if (!out.empty()) out += ' ';
    out += token->readable();
  }
  return out;
}
