#include "metrics/ClassTable.h"

#include "checks/Reporting.h"
#include "metricfile/MetricOutput.h"

namespace zum {

int valueOfClass(const ClassValues& values, PI_DefineHandle classDefine) {
  const int* value = values.find(PI_getDefineQualName(classDefine));
  return value ? *value : 0;
}

void recordClassMetric(PI_DefineHandle classDefine, const char* metricName, int value) {
  M_writeSymbolMetric(defineLocation(classDefine), PI_getDefineQualName(classDefine), metricName, value);
}

}  // namespace zum
