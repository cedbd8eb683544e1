// STNOC: the number of immediate children of a class.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "metrics/ClassMetrics.h"
#include "metrics/ClassTable.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

// Keyed by the base class's current define, which is the define the metric
// is asked for.
using ChildCounts = FlatMap<PI_DefineHandle, int>;

struct ChildCountState {
  std::unique_ptr<ChildCounts> counts;
};

// Each distinct name listed as derived from a base counts once.
std::unique_ptr<ChildCounts> countChildren() {
  std::vector<std::pair<PI_DefineHandle, const char*>> children;
  for (int it = PI_getFirstRelationBase(); !PI_isRelationBaseIterEnd(it); PI_getRelationBaseIterNext(it)) {
    PI_RelationHandle base = PI_getRelationBaseIterData(it);
    children.emplace_back(PI_getSymbolCurrentDefine(PI_getRelationObjectSymbol(base)), PI_getRelationSubject(base));
  }
  std::sort(children.begin(), children.end());
  children.erase(std::unique(children.begin(), children.end()), children.end());
  auto counts = std::make_unique<ChildCounts>();
  for (const auto& child : children) ++(*counts)[child.first];
  return counts;
}

void recordSTNOC(PI_DefineHandle classDefine, const char* metricName) {
  auto& counts = ProcessState::get<ChildCountState>().counts;
  if (!counts) counts = countChildren();
  const int* children = counts->find(classDefine);
  recordClassMetric(classDefine, metricName, children ? *children : 0);
}

}  // namespace

void configureSTNOC() {
  PI_configureClassMetric("STNOC", &recordSTNOC);
  PI_configureNeedRelationBase();
}

}  // namespace zum
