#include "messages/DiagnosticFormat.h"

#include <iostream>

#include "messages/Diagnostic.h"
#include "messages/FormatEvaluator.h"
#include "messages/FormatLexer.h"
#include "messages/MessageCatalog.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace {

struct FormatState {
  U_Location previous;
};

}  // namespace

U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth) {
  return M_formatDiagnostic(diagnostic, format, depth, M_messageTable());
}

U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth,
                            const M_MessageTable& table) {
  const FM_TokenList tokens = FM_lexFormat(format);
  const C_RunSettings& settings = C_runSettings();
  const bool show = settings.showFormat;
  if (show) std::cout << FM_readableTokens(tokens) << '\n';
  FormatState& state = zum::ProcessState::get<FormatState>();
  const M_MessageEntry& entry = table.entry(diagnostic.messageNumber());
  const FM_Subject subject{diagnostic,
                           table.levelNumber(entry.levelName),
                           entry.text,
                           entry.secondText,
                           depth,
                           state.previous,
                           settings.forwardSlashes,
                           settings.tabStop};
  FM_Rendering rendering = FM_render(tokens, subject);
  if (rendering.forget) state.previous = U_Location();
  else if (rendering.remember) state.previous = diagnostic.location();
  if (show) std::cout << rendering.text << '\n';
  return std::move(rendering.text);
}
