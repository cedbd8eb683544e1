// STCYA and STNFA: sums of per-file metrics over the project's function
// definitions.
#include <unordered_set>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "checks/SymbolSweep.h"
#include "metrics/FunctionMetrics.h"
#include "metrics/MetricSum.h"
#include "metricfile/MetricOutput.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

bool isFunctionDefinition(PI_DefineHandle define) {
  return PI_isDefineDefinition(define) && PI_isDefineFunction(define) && !PI_isDefineImplicit(define);
}

// The current defines of the symbols that are function definitions, in
// identity order of the symbols: found in the walk over all symbols that
// the checks share, for both sums.
struct FunctionDefinitions {
  std::vector<PI_DefineHandle> defines;
};

void visitSymbol(PI_SymbolHandle, PI_DefineHandle define, DefineNameCache&) {
  if (isFunctionDefinition(define)) ProcessState::get<FunctionDefinitions>().defines.push_back(define);
}

const std::vector<PI_DefineHandle>& functionDefinitions() {
  sweepSymbols();
  return ProcessState::get<FunctionDefinitions>().defines;
}

// Adds `metric` of the key that `keyOf` gives for each function definition,
// each key once.
template <class KeyOf>
int sumOverFunctionDefinitions(KeyOf keyOf, const char* metric) {
  // Model strings are interned: one pointer per text.
  std::unordered_set<const char*> seen;
  MetricSum sum;
  for (PI_DefineHandle define : functionDefinitions()) {
    const char* key = keyOf(define);
    if (seen.insert(key).second) sum.add(PI_getMetricIntegralValue(key, metric));
  }
  return sum.value();
}

void recordSTCYA() {
  M_writeFileOrProjectMetric(XF_Filename(), "STCYA", sumOverFunctionDefinitions(&PI_getDefineQualName, "STCYC"));
}

void recordSTNFA() {
  M_writeFileOrProjectMetric(XF_Filename(), "STNFA", sumOverFunctionDefinitions(&PI_getDefineFilename, "STFNC"));
}

}  // namespace

void configureSTCYA() {
  PI_configureOnAllDefine(&recordSTCYA);
  addSymbolVisitor(&visitSymbol);
  PI_configureNeedMetric();
}

void configureSTNFA() {
  PI_configureOnAllDefine(&recordSTNFA);
  addSymbolVisitor(&visitSymbol);
  PI_configureNeedMetric();
}

}  // namespace zum
