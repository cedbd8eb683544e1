// Evaluation of a lexed format for one diagnostic: the directives' output,
// the conditions, and the line layout of the result.
#pragma once

#include <string_view>

#include "messages/FormatToken.h"
#include "util/Location.h"
#include "util/String.h"

class M_Diagnostic;

// What a rendering needs besides the format.
struct FM_Subject {
  const M_Diagnostic& diagnostic;
  int levelNumber;
  std::string_view text;        // the message text before substitution
  std::string_view secondText;  // likewise
  int depth;                    // 0 for a diagnostic, above 0 for one of its message lists
  const U_Location& previous;   // the remembered location; may be null
  bool keepSlashes;             // file names keep '/' instead of showing '\'
  int tabStop;
};

struct FM_Rendering {
  U_String text;
  bool remember = false;  // the format holds "%q"
  bool forget = false;    // the format holds "%Q"
};

// `tokens` come from FM_lexFormat, which guarantees their structure.
FM_Rendering FM_render(const FM_TokenList& tokens, const FM_Subject& subject);
