// STRFC: the response for a class, the functions its own code may run:
// its defined member functions and the distinct functions they call.
#include <algorithm>
#include <utility>
#include <vector>

#include "checks/ClassSurvey.h"
#include "checks/ScopeText.h"
#include "checks/SymbolWalk.h"
#include "metrics/ClassMetrics.h"
#include "metrics/ClassTable.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct ResponseTag {};

ClassValues countResponses() {
  // (class, function name) once per pair: the member functions themselves,
  // then what each calls (other than itself).
  std::vector<std::pair<const char*, const char*>> responses;
  FlatMap<PI_SymbolHandle, const char*> classOfMember;
  for (const SymbolDefine& definition : classSurvey().functionDefinitions) {
    if (!PI_hasDefineClassScope(definition.define)) continue;
    const char* name = PI_getDefineQualName(definition.define);
    const char* scope = scopeTextOf(name);
    classOfMember[definition.symbol] = scope;
    responses.emplace_back(scope, name);
  }
  if (!classOfMember.empty()) {
    forEachRelation(P_RelationList::Calls, [&](PI_RelationHandle call) {
      PI_SymbolHandle caller = PI_getRelationObjectSymbol(call);
      PI_SymbolHandle callee = PI_getRelationSubjectSymbol(call);
      if (caller == callee) return;
      if (const char* const* scope = classOfMember.find(caller))
        responses.emplace_back(*scope, PI_getDefineQualName(PI_getSymbolCurrentDefine(callee)));
    });
  }
  std::sort(responses.begin(), responses.end());
  responses.erase(std::unique(responses.begin(), responses.end()), responses.end());
  ClassValues values;
  for (const auto& response : responses) ++values[response.first];
  return values;
}

void recordSTRFC(PI_DefineHandle classDefine, const char* metricName) {
  const ClassValues& values = ProcessState::get<ClassTable<ResponseTag>>().get(&countResponses);
  recordClassMetric(classDefine, metricName, valueOfClass(values, classDefine));
}

}  // namespace

void configureSTRFC() {
  addClassSurvey();
  PI_configureClassMetric("STRFC", &recordSTRFC);
  PI_configureNeedRelationCalls();
}

}  // namespace zum
