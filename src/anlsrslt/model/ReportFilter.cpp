#include "anlsrslt/model/ReportFilter.h"

#include "messages/Diagnostic.h"
#include "messages/MessageLevel.h"
#include "messages/OutputGates.h"
#include "options/RunSettings.h"

namespace {

bool isExcludedHeader(const U_Location& location) { return M_isQuietFile(location.file()); }

}  // namespace

bool P_isReported(const M_Diagnostic& diagnostic) {
  if (diagnostic.isError()) return true;
  const C_RunSettings& settings = C_runSettings();
  const int message = diagnostic.messageNumber();
  if (!M_isMessageSelected(message)) return false;
  // The message table is read only when a level is asked for.
  if (!settings.suppressedLevels.empty() && settings.suppressedLevels.contains(M_messageLevel(message))) return false;
  if (diagnostic.isHiddenByPragma() && !settings.hiddenWarnings) return false;
  const U_Location& location = diagnostic.location();
  if (location.isSet() && location.hasInclLoc()) {
    if (settings.hdrSuppress || isExcludedHeader(location)) return false;
  }
  return true;
}
