#include "core/ErrorFile.h"

#include <unistd.h>

#include <cstdio>
#include <exception>

#include "core/AtomicFile.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/SuppressionRecord.h"
#include "util/Location.h"

namespace scan {

namespace {

// Kind 1 for a comment about its own lines, kind 2 for a begin/end region:
// zum tries records of kind 1 first.
constexpr int kLineRecord = 1;
constexpr int kRegionRecord = 2;

XF_Filename fileOf(const std::string& path) { return XF_Filename(U_Filename(path), U_Filename(path)); }

M_SuppressionRecord recordOf(const SuppressionRegion& region) {
  const XF_Filename file = fileOf(region.file);
  // From column 0 of the first line to column 0 of the line after the
  // last: every column of the lines in between.
  return M_SuppressionRecord(region.region ? kRegionRecord : kLineRecord, U_Location(file, region.line, region.column),
                             region.text, std::vector<M_MessageRange>(region.ranges.begin(), region.ranges.end()),
                             U_Location(file, region.firstLine, 0), U_Location(file, region.lastLine + 1, 0));
}

}  // namespace

bool writeErrorFile(const std::string& finalName, const std::vector<SuppressionRegion>& suppressions,
                    const std::vector<UnitDiagnostic>& diagnostics, std::string& error) {
  const std::string temporary = temporaryName(finalName, static_cast<long>(::getpid()));
  // The writer appends to a file that is there: start from none.
  std::remove(temporary.c_str());
  try {
    M_ErrorFileOutput out(temporary, M_ErrorFileFormat::Generation::kCurrent, false);
    for (const SuppressionRegion& region : suppressions) out.writeSuppressionRecord(recordOf(region));
    for (const UnitDiagnostic& d : diagnostics) {
      M_Diagnostic diagnostic(d.message, U_Location(fileOf(d.file), d.line, d.column));
      diagnostic.addString(d.parameter);
      out.writeDiagnostic(diagnostic, false);
    }
    out.close();
  } catch (const std::exception& failure) {
    std::remove(temporary.c_str());
    error = "cannot write " + finalName + ": " + failure.what();
    return false;
  }
  return commitTemporary(finalName, error);
}

}  // namespace scan
