#include "MessageView.h"

#include <set>

#include "anlsrslt/model/QualifiedName.h"
#include "messages/MessageText.h"
#include "messages/Param.h"

MessageView describe(const M_MessageTable& table, const M_Diagnostic& diagnostic) {
  const M_MessageEntry& entry = table.entry(diagnostic.messageNumber());
  MessageView view;
  view.level = table.levelNumber(entry.levelName);
  view.levelName = table.levelDisplayName(view.level);
  if (view.levelName.empty()) view.levelName = entry.levelName;
  // Names keep the list markers of the model; a reader sees the characters.
  view.text = zum::withListCharacters(M_substituteParameters(entry.text, diagnostic));
  view.hint = zum::withListCharacters(M_substituteParameters(entry.secondText, diagnostic));
  return view;
}

std::string placeText(const M_Diagnostic& diagnostic, const std::string& project) {
  const U_Location& location = diagnostic.location();
  if (!location.isSet() || location.file().given().view().empty()) return project;
  std::string text(location.file().given().view());
  text += ':' + std::to_string(location.line());
  if (location.column() > 0) text += ':' + std::to_string(location.column());
  return text;
}

std::vector<U_Handle<M_Diagnostic>> listedDiagnostics(const M_Diagnostic& diagnostic) {
  std::vector<U_Handle<M_Diagnostic>> listed;
  std::set<std::string> seen;
  for (const U_Handle<M_ParamType>& param : diagnostic.params()) {
    const auto* list = dynamic_cast<const M_ParamMsgListType*>(param.pointer());
    if (!list) continue;
    for (const U_Handle<M_Diagnostic>& entry : list->diagnostics()) {
      if (seen.insert(entry->debugText()).second) listed.push_back(entry);
    }
  }
  return listed;
}

bool isHidden(const M_Diagnostic& diagnostic) {
  return diagnostic.isHidden() || diagnostic.isHiddenByPragma() || diagnostic.isHiddenByUser();
}
