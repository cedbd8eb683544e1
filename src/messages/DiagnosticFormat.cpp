#include "messages/DiagnosticFormat.h"

#include <iostream>

#include "messages/Diagnostic.h"
#include "messages/FormatEvaluator.h"
#include "messages/FormatLexer.h"
#include "messages/MessageCatalog.h"
#include "options/CmdArgs.h"
#include "options/DebugSwitches.h"
#include "util/ProcessState.h"

namespace {

struct FormatState {
  U_Location previous;
  bool tabStopRead = false;
  int tabStop = 8;
};

// The option "tabstop", read once for the run.
int tabStop(FormatState& state) {
  if (!state.tabStopRead) {
    const U_Handle<C_CmdArgs>& published = C_CmdArgs::published();
    if (published) state.tabStop = published->options().tabStop().value();
    state.tabStopRead = true;
  }
  return state.tabStop;
}

}  // namespace

U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth) {
  return M_formatDiagnostic(diagnostic, format, depth, M_messageTable());
}

U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth,
                            const M_MessageTable& table) {
  const FM_TokenList tokens = FM_lexFormat(format);
  const bool show = C_isDebugSwitchSet("show-format");
  if (show) std::cout << FM_readableTokens(tokens) << '\n';
  FormatState& state = zum::ProcessState::get<FormatState>();
  const M_MessageEntry& entry = table.entry(diagnostic.messageNumber());
  const FM_Subject subject{diagnostic,
                           table.levelNumber(entry.levelName),
                           entry.text,
                           entry.secondText,
                           depth,
                           state.previous,
                           C_isDebugSwitchSet("os-independent-slash"),
                           tabStop(state)};
  FM_Rendering rendering = FM_render(tokens, subject);
  if (rendering.forget) state.previous = U_Location();
  else if (rendering.remember) state.previous = diagnostic.location();
  if (show) std::cout << rendering.text << '\n';
  return std::move(rendering.text);
}
