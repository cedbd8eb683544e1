#include "messages/OutputGates.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "messages/Diagnostic.h"
#include "options/RunSettings.h"
#include "util/Location.h"
#include "util/Memo.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct GateState {
  bool quietLoaded = false;
  // The quiet names as given and made absolute, compared as file names
  // are (letter case folded) but not interned: a name of the command line
  // takes no place in the identity order of the model's files.
  std::vector<U_String> quietNames;
  // The answer per file, by both halves of its name: either may match.
  struct NameHash {
    std::size_t operator()(const std::pair<const char*, const char*>& name) const noexcept {
      return std::hash<const char*>()(name.first) * 31 + std::hash<const char*>()(name.second);
    }
  };
  std::unordered_map<std::pair<const char*, const char*>, bool, NameHash> quietAnswers;
  std::unordered_set<const char*> includedFiles;
};

GateState& quietState() {
  GateState& state = zum::ProcessState::get<GateState>();
  if (state.quietLoaded) return state;
  for (const U_String& name : C_runSettings().quiet) {
    state.quietNames.push_back(name);
    state.quietNames.push_back(U_Path::absolute(name));
  }
  state.quietLoaded = true;
  return state;
}

bool isNamed(std::string_view name, U_Filename file) {
  return file.isSet() && FilenameStringCompare::equal(name, file.view());
}

bool isNamedQuiet(const GateState& state, const XF_Filename& file) {
  for (const U_String& name : state.quietNames) {
    if (isNamed(name, file.absolute()) || isNamed(name, file.given())) return true;
  }
  return false;
}

}  // namespace

bool M_isMessageSelected(int messageNumber) {
  const C_RunSettings& settings = C_runSettings();
  if (settings.noMsg.contains(messageNumber)) return false;
  return settings.only.empty() || settings.only.contains(messageNumber);
}

bool M_isQuietFile(const XF_Filename& file) {
  GateState& state = quietState();
  if (state.quietNames.empty()) return false;
  const C_RunSettings& settings = C_runSettings();
  if (settings.alwaysFirst || settings.noReadCaches) return isNamedQuiet(state, file);
  auto [at, added] = state.quietAnswers.try_emplace({file.absolute().pointer(), file.given().pointer()}, false);
  if (added) {
    at->second = isNamedQuiet(state, file);
  } else if constexpr (zum::kCheckMemos) {
    zum::checkMemo(at->second == isNamedQuiet(state, file), "QuietFiles");
  }
  return at->second;
}

bool M_passesQuietFilter(const M_Diagnostic& diagnostic) {
  const U_Location& location = diagnostic.location();
  return !location.isSet() || !M_isQuietFile(location.file());
}

void M_noteIncludedFile(U_Filename file) {
  zum::ProcessState::get<GateState>().includedFiles.insert(file.pointer());
}

bool M_isInPrimaryFile(const U_Location& location) {
  if (location.hasInclLoc()) return false;
  const auto& included = zum::ProcessState::get<GateState>().includedFiles;
  return !included.contains(location.file().absolute().pointer()) &&
         !included.contains(location.file().given().pointer());
}

bool M_passesMessageFilter(const M_Diagnostic& diagnostic) {
  if (diagnostic.isError()) return true;
  const C_RunSettings& settings = C_runSettings();
  if (!M_isMessageSelected(diagnostic.messageNumber())) return false;
  if (diagnostic.isHiddenByPragma() && !settings.hiddenWarnings) return false;
  const U_Location& location = diagnostic.location();
  if (location.isSet() && !M_isInPrimaryFile(location)) {
    if (settings.hdrSuppress || M_isQuietFile(location.file())) return false;
  }
  return true;
}

bool M_passesTextGates(const M_Diagnostic& diagnostic, bool suppressed) {
  if (suppressed && !C_runSettings().hiddenWarnings) return false;
  return M_passesQuietFilter(diagnostic) && M_passesMessageFilter(diagnostic);
}
