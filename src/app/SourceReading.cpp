#include "app/SourceReading.h"

#include "anlsrslt/include/P_DriverInterface.h"
#include "app/ProjectOutputs.h"
#include "messages/Diagnostic.h"
#include "messages/Report.h"
#include "metricfile/MetricOutput.h"

namespace zum {

namespace {

// Closes the log however the reading ends.
class OpenLog {
 public:
  OpenLog() { P_openLog(); }
  ~OpenLog() { P_closeLog(); }
  OpenLog(const OpenLog&) = delete;
  OpenLog& operator=(const OpenLog&) = delete;
};

}  // namespace

void reportMissingFile(const OutputLocation& location, const U_String& fileName) {
  M_Diagnostic diagnostic(kMissingFileMessage, U_Location(location.projectFile, 1, 0));
  diagnostic.addString(fileName);
  M_sendDiagnostic(diagnostic);
}

void readSources(const RunInputs& inputs) {
  OpenLog log;
  const int count = static_cast<int>(inputs.sources.size());
  for (int index = 1; index <= count; ++index) {
    const SourceEntry& entry = inputs.sources[static_cast<std::size_t>(index - 1)];
    try {
      const U_Handle<P_Source> source = P_beginSource(index, count, entry.file, entry.outputDirectory);
      if (index == count && count >= 2) M_flushMetricOutput();
      P_readSourceFiles(*source);
    } catch (const P_FileOpenException& missing) {
      // A project read for the first time has no results of earlier runs.
      const OutputLocation& output = runOutputLocation();
      if (!isProjectOutputFile(output, missing.fileName())) reportMissingFile(output, missing.fileName());
    }
  }
}

}  // namespace zum
