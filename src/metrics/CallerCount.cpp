// STM29: per function, the number of distinct functions that call it.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "checks/CallRelations.h"
#include "checks/Reporting.h"
#include "metricfile/MetricOutput.h"
#include "metrics/FunctionMetrics.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

// Keyed by the callee's qualified name (interned: one pointer per text).
using CallerCounts = FlatMap<const char*, int>;

struct CallerCountState {
  std::unique_ptr<CallerCounts> callers;
};

// Built at the first request: every call except self-calls, each caller
// counted once per callee name.
std::unique_ptr<CallerCounts> countCallers() {
  std::vector<std::pair<const char*, PI_SymbolHandle>> calls;
  calls.reserve(callRelationCount());
  for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) {
    PI_RelationHandle relation = PI_getRelationCallsIterData(it);
    PI_SymbolHandle caller = PI_getRelationObjectSymbol(relation);
    PI_SymbolHandle callee = PI_getRelationSubjectSymbol(relation);
    if (caller != callee) calls.emplace_back(PI_getDefineQualName(PI_getSymbolCurrentDefine(callee)), caller);
  }
  std::sort(calls.begin(), calls.end());
  calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
  auto callers = std::make_unique<CallerCounts>();
  for (const auto& call : calls) ++*callers->tryEmplace(call.first).first;
  return callers;
}

CallerCounts& callersByName() {
  auto& callers = ProcessState::get<CallerCountState>().callers;
  if (!callers) callers = countCallers();
  return *callers;
}

void recordSTM29(PI_DefineHandle function, const char* metricName) {
  const char* name = PI_getDefineQualName(function);
  const int* callers = callersByName().find(name);
  M_writeSymbolMetric(defineLocation(function), name, metricName, callers ? *callers : 0);
}

}  // namespace

void configureSTM29() {
  PI_configureNeedRelationCalls();
  PI_configureFunctionMetric("STM29", &recordSTM29);
}

}  // namespace zum
