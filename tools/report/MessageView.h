// A diagnostic in words: its level and its texts from the message table,
// its place as compilers write it, and the diagnostics listed under it.
#pragma once

#include <string>
#include <vector>

#include "messages/Diagnostic.h"
#include "messages/MessageTable.h"

struct MessageView {
  int level = 0;
  std::string levelName;  // the level's display name, else its name
  std::string text;       // parameters filled in
  std::string hint;       // the second text, parameters filled in
};

MessageView describe(const M_MessageTable& table, const M_Diagnostic& diagnostic);

// "file:line:column", "file:line" when the column is 0; `project` for a
// diagnostic about the project as a whole (no file).
std::string placeText(const M_Diagnostic& diagnostic, const std::string& project);

// The diagnostics of its message-list parameters, in order, each distinct
// one once: a declaration in a header that every source includes is listed
// by the check once per source.
std::vector<U_Handle<M_Diagnostic>> listedDiagnostics(const M_Diagnostic& diagnostic);

// Hidden by a suppression annotation or by the user's settings.
bool isHidden(const M_Diagnostic& diagnostic);
