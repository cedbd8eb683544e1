// PT_FileMetrics and PT_RecursiveMetOutput.
//
// PT_FileMetrics prints, for each file that holds a define, the file
// metrics the project uses (STFNC, STLIN) where the file has them.
//
// PT_RecursiveMetOutput writes a metric PTREC per function to the project
// metric file: its value is the function's line. The project metric file
// is read back as the last source of the next run, so that run prints the
// value the previous one wrote beside the new one.
#include <unordered_set>

#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"
#include "checks/Reporting.h"
#include "metricfile/MetricOutput.h"

using zum::printTestLine;

namespace {

void printFileMetrics() {
  std::unordered_set<const char*> files;
  zum::forEachCurrentDefine([&files](PI_DefineHandle define) {
    const char* file = PI_getDefineFilename(define);
    if (!files.insert(file).second) return;
    std::string text = file;
    for (const char* metric : {"STFNC", "STLIN"})
      if (PI_hasMetric(file, metric))
        text += std::string(" ") + metric + " " + std::to_string(PI_getMetricIntegralValue(file, metric));
    printTestLine("PT_FileMetrics", text);
  });
}

void writeRecursiveMetric(PI_DefineHandle function, const char* metricName) {
  const char* name = PI_getDefineQualName(function);
  const int line = PI_getDefineLine(function);
  printTestLine("PT_RecursiveMetOutput", std::string(name) + " " + metricName + " " + std::to_string(line) +
                                             " previous " +
                                             std::to_string(PI_getMetricIntegralValue(name, metricName)));
  M_writeSymbolMetric(zum::defineLocation(function), name, metricName, line);
}

}  // namespace

void PT_configureFileMetrics() {
  PI_configureNeedMetric();
  PI_configureOnAllDefine(&printFileMetrics);
}

void PT_configureRecursiveMetOutput() {
  PI_configureNeedMetric();
  PI_configureFunctionMetric("PTREC", &writeRecursiveMetric);
}
