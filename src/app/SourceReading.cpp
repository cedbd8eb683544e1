#include "app/SourceReading.h"

#include <sys/stat.h>

#include <iostream>

#include "anlsrslt/include/P_DriverInterface.h"
#include "app/ProjectOutputs.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileName.h"
#include "messages/Report.h"
#include "metricfile/MetricOutput.h"
#include "options/RunSettings.h"

namespace zum {

namespace {

bool sameFile(const struct stat& a, const U_String& path) {
  struct stat b {};
  return ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the log file of the debug switches is a file the run reads or
// writes: opening it for the log would empty it.
bool logIsAFileOfTheRun(const RunInputs& inputs) {
  const U_String& logFile = C_runSettings().logFile;
  struct stat log {};
  if (logFile.empty() || ::stat(logFile.c_str(), &log) != 0) return false;
  for (const SourceEntry& entry : inputs.sources) {
    const std::string_view name = entry.file.given().view();
    if (sameFile(log, M_perSourceFileName(entry.outputDirectory, name, "met")) ||
        sameFile(log, M_perSourceFileName(entry.outputDirectory, name, "err"))) {
      return true;
    }
  }
  return false;
}

// Closes the log however the reading ends.
class OpenLog {
 public:
  explicit OpenLog(const RunInputs& inputs) {
    if (!logIsAFileOfTheRun(inputs)) {
      P_openLog();
      return;
    }
    std::cerr << "The log file '" << C_runSettings().logFile
              << "' is a metric or error file of the run; nothing is logged.\n";
  }
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

void warnOfAMissingSingleSource(const SourceEntry& entry) {
  const U_String metricFile = M_perSourceFileName(entry.outputDirectory, entry.file.given().view(), "met");
  struct stat status {};
  if (::stat(metricFile.c_str(), &status) == 0) return;
  std::cerr << "The metric file '" << metricFile << "' of the source '" << entry.file.given().view()
            << "' is missing: the run has nothing to read.\n";
}

void readSources(const RunInputs& inputs) {
  OpenLog log(inputs);
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
