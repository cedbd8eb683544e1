#include "anlsrslt/model/ReportFilter.h"

#include "messages/Diagnostic.h"
#include "messages/MessageLevel.h"
#include "messages/OutputGates.h"
#include "options/CmdArgs.h"
#include "util/ProcessState.h"

namespace {

struct ReportOptions {
  bool loaded = false;
  bool hiddenWarnings = false;
  bool hdrSuppress = false;
  zum::IntervalSet suppressedLevels;
};

const ReportOptions& reportOptions() {
  ReportOptions& options = zum::ProcessState::get<ReportOptions>();
  if (options.loaded) return options;
  const U_Handle<C_CmdArgs>& published = C_CmdArgs::published();
  static const C_Options defaults;
  const C_Options& values = published ? published->options() : defaults;
  options.hiddenWarnings = values.hiddenWarnings().value();
  options.hdrSuppress = values.hdrSuppress().value();
  options.suppressedLevels = values.suppressLvl().numbers();
  options.loaded = true;
  return options;
}

bool isExcludedHeader(const U_Location& location) { return M_isQuietFile(location.file()); }

}  // namespace

bool P_hiddenWarnings() { return reportOptions().hiddenWarnings; }

bool P_isReported(const M_Diagnostic& diagnostic) {
  if (diagnostic.isError()) return true;
  const ReportOptions& options = reportOptions();
  const int message = diagnostic.messageNumber();
  if (!M_isMessageSelected(message)) return false;
  // The message table is read only when a level is asked for.
  if (!options.suppressedLevels.empty() && options.suppressedLevels.contains(M_messageLevel(message))) return false;
  if (diagnostic.isHiddenByPragma() && !options.hiddenWarnings) return false;
  const U_Location& location = diagnostic.location();
  if (location.isSet() && location.hasInclLoc()) {
    if (options.hdrSuppress || isExcludedHeader(location)) return false;
  }
  return true;
}
