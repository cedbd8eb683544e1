#include "messages/OutputGates.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "messages/Diagnostic.h"
#include "options/CmdArgs.h"
#include "options/DebugSwitches.h"
#include "util/Location.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct GateState {
  bool loaded = false;
  M_OutputSettings settings;
  zum::IntervalSet only;
  zum::IntervalSet noMsg;
  std::vector<U_Filename> quietNames;  // absolute paths and names as given
  std::unordered_map<const char*, bool> quietAnswers;  // by absolute path
  std::unordered_set<const char*> includedFiles;
};

const C_Options& runOptions() {
  const U_Handle<C_CmdArgs>& published = C_CmdArgs::published();
  if (published) return published->options();
  static const C_Options defaults;
  return defaults;
}

GateState& loadedState() {
  GateState& state = zum::ProcessState::get<GateState>();
  if (state.loaded) return state;
  const C_Options& options = runOptions();
  state.settings.hiddenWarnings = options.hiddenWarnings().value();
  state.settings.hdrSuppress = options.hdrSuppress().value();
  state.settings.hideMacroWarnings = options.hideMacroWarnings().value();
  state.settings.compressOutput = C_isDebugSwitchSet("compress-output");
  state.only = options.only().numbers();
  state.noMsg = options.noMsg().numbers();
  for (const U_String& name : options.quiet().values()) {
    state.quietNames.push_back(U_Filename(name));
    state.quietNames.push_back(U_Filename(U_Path::absolute(name)));
  }
  state.loaded = true;
  return state;
}

bool isNamedQuiet(const GateState& state, const XF_Filename& file) {
  for (U_Filename name : state.quietNames) {
    if (name == file.absolute() || name == file.given()) return true;
  }
  return false;
}

}  // namespace

const M_OutputSettings& M_outputSettings() { return loadedState().settings; }

bool M_isMessageSelected(int messageNumber) {
  const GateState& state = loadedState();
  if (state.noMsg.contains(messageNumber)) return false;
  return state.only.empty() || state.only.contains(messageNumber);
}

bool M_isQuietFile(const XF_Filename& file) {
  GateState& state = loadedState();
  if (state.quietNames.empty()) return false;
  if (C_isDebugSwitchSet("always-first")) return isNamedQuiet(state, file);
  auto [at, added] = state.quietAnswers.try_emplace(file.absolute().pointer(), false);
  if (added) at->second = isNamedQuiet(state, file);
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
  const M_OutputSettings& settings = M_outputSettings();
  if (!M_isMessageSelected(diagnostic.messageNumber())) return false;
  if (diagnostic.isHiddenByPragma() && !settings.hiddenWarnings) return false;
  const U_Location& location = diagnostic.location();
  if (location.isSet() && !M_isInPrimaryFile(location)) {
    if (settings.hdrSuppress || M_isQuietFile(location.file())) return false;
  }
  return true;
}

bool M_passesTextGates(const M_Diagnostic& diagnostic, bool suppressed) {
  if (suppressed && !M_outputSettings().hiddenWarnings) return false;
  return M_passesQuietFilter(diagnostic) && M_passesMessageFilter(diagnostic);
}
