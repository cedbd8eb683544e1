// STWMC: the weighted methods of a class, the sum of the cyclomatic
// complexity (STCYC) of the functions defined in it.
#include "checks/ClassSurvey.h"
#include "checks/ScopeText.h"
#include "metrics/ClassMetrics.h"
#include "metrics/ClassTable.h"
#include "metrics/MetricSum.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct WeightedMethodsTag {};

// Each function name counts once, under its scope text. Only the sums of
// classes are ever asked for: other functions are not looked up.
ClassValues sumComplexities() {
  const ClassSurvey& survey = classSurvey();
  FlatMap<const char*, bool> seen;
  FlatMap<const char*, MetricSum> sums;
  for (const SymbolDefine& definition : survey.functionDefinitions) {
    const char* name = PI_getDefineQualName(definition.define);
    const char* scope = scopeTextOf(name);
    if (!survey.classNames.contains(scope) || !seen.tryEmplace(name).second) continue;
    sums[scope].add(PI_getMetricIntegralValue(name, "STCYC"));
  }
  ClassValues values;
  sums.forEach([&values](const char* scope, const MetricSum& sum) { values[scope] = sum.value(); });
  return values;
}

void recordSTWMC(PI_DefineHandle classDefine, const char* metricName) {
  const ClassValues& values = ProcessState::get<ClassTable<WeightedMethodsTag>>().get(&sumComplexities);
  recordClassMetric(classDefine, metricName, valueOfClass(values, classDefine));
}

}  // namespace

void configureSTWMC() {
  addClassSurvey();
  PI_configureClassMetric("STWMC", &recordSTWMC);
  P_configureNeedMetric("STCYC");
}

}  // namespace zum
