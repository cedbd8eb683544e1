// STM29: per function, the number of distinct functions that call it.
#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "checks/Reporting.h"
#include "metrics/FunctionMetrics.h"
#include "metricfile/MetricOutput.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct CallerCountState {
  // Keyed by the callee's qualified name (interned: one pointer per text).
  std::unique_ptr<std::unordered_map<const char*, int>> callers;
};

// Built at the first request: every call except self-calls, each caller
// counted once per callee name.
std::unordered_map<const char*, int> countCallers() {
  std::vector<std::pair<const char*, PI_SymbolHandle>> calls;
  for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) {
    PI_RelationHandle relation = PI_getRelationCallsIterData(it);
    PI_SymbolHandle caller = PI_getRelationObjectSymbol(relation);
    PI_SymbolHandle callee = PI_getRelationSubjectSymbol(relation);
    if (caller != callee) calls.emplace_back(PI_getDefineQualName(PI_getSymbolCurrentDefine(callee)), caller);
  }
  std::sort(calls.begin(), calls.end());
  calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
  std::unordered_map<const char*, int> callers;
  for (const auto& call : calls) ++callers[call.first];
  return callers;
}

const std::unordered_map<const char*, int>& callersByName() {
  auto& callers = ProcessState::get<CallerCountState>().callers;
  if (!callers) callers = std::make_unique<std::unordered_map<const char*, int>>(countCallers());
  return *callers;
}

void recordSTM29(PI_DefineHandle function, const char* metricName) {
  const char* name = PI_getDefineQualName(function);
  const auto& callers = callersByName();
  auto found = callers.find(name);
  M_writeSymbolMetric(defineLocation(function), name, metricName, found == callers.end() ? 0 : found->second);
}

}  // namespace

void configureSTM29() {
  PI_configureNeedRelationCalls();
  PI_configureFunctionMetric("STM29", &recordSTM29);
}

}  // namespace zum
