// STCBO: the coupling between objects of a class, the members of other
// classes that its members refer to, leaving out those of its bases.
#include <algorithm>
#include <iterator>
#include <tuple>
#include <vector>

#include "checks/ClassSurvey.h"
#include "metrics/ClassMetrics.h"
#include "metrics/ClassReferences.h"
#include "metrics/ClassTable.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct CouplingTag {};

using SymbolSet = std::vector<PI_SymbolHandle>;  // sorted by address

void insertAll(SymbolSet& into, const SymbolSet& from) {
  SymbolSet merged;
  merged.reserve(into.size() + from.size());
  std::set_union(into.begin(), into.end(), from.begin(), from.end(), std::back_inserter(merged));
  into.swap(merged);
}

// The bases of each class, by the name the base relations give the derived
// class: each relation adds the base and what was known of the base's own
// bases at that moment, in relation order. One pass: a cycle of bases ends
// it like any other order.
FlatMap<const char*, SymbolSet> relatedClasses() {
  FlatMap<const char*, SymbolSet> related;
  for (int it = PI_getFirstRelationBase(); !PI_isRelationBaseIterEnd(it); PI_getRelationBaseIterNext(it)) {
    PI_RelationHandle base = PI_getRelationBaseIterData(it);
    SymbolSet added{PI_getRelationObjectSymbol(base)};
    if (const SymbolSet* ofBase = related.find(PI_getRelationObject(base))) insertAll(added, *ofBase);
    insertAll(related[PI_getRelationSubject(base)], added);
  }
  return related;
}

struct Coupling {
  const char* className;
  PI_SymbolHandle member;   // of another class
  const char* memberClass;  // its scope text
  bool operator<(const Coupling& other) const {
    return std::tie(className, member) < std::tie(other.className, other.member);
  }
  bool operator==(const Coupling& other) const { return className == other.className && member == other.member; }
};

ClassValues countCouplings() {
  const FlatMap<const char*, SymbolSet> related = relatedClasses();
  std::vector<Coupling> couplings;
  couplings.reserve(memberReferences().size());
  for (const MemberReference& reference : memberReferences()) {
    if (reference.subjectScope == reference.objectScope) continue;
    PI_SymbolHandle member = PI_getRelationSubjectSymbol(reference.relation);
    const SymbolSet* bases = related.find(reference.objectScope);
    if (bases && std::binary_search(bases->begin(), bases->end(), member)) continue;
    couplings.push_back({reference.objectScope, member, reference.subjectScope});
  }
  std::sort(couplings.begin(), couplings.end());
  couplings.erase(std::unique(couplings.begin(), couplings.end()), couplings.end());

  // Members of the class's bases do not count.
  ClassValues values;
  std::vector<const char*> baseNames;
  for (std::size_t begin = 0; begin < couplings.size();) {
    const char* className = couplings[begin].className;
    baseNames.clear();
    if (const SymbolSet* bases = related.find(className))
      for (PI_SymbolHandle base : *bases) baseNames.push_back(PI_getDefineQualName(PI_getSymbolCurrentDefine(base)));
    int count = 0;
    std::size_t end = begin;
    for (; end < couplings.size() && couplings[end].className == className; ++end)
      if (std::find(baseNames.begin(), baseNames.end(), couplings[end].memberClass) == baseNames.end()) ++count;
    values[className] = count;
    begin = end;
  }
  return values;
}

void recordSTCBO(PI_DefineHandle classDefine, const char* metricName) {
  const ClassValues& values = ProcessState::get<ClassTable<CouplingTag>>().get(&countCouplings);
  recordClassMetric(classDefine, metricName, valueOfClass(values, classDefine));
}

}  // namespace

void configureSTCBO() {
  addClassSurvey();
  PI_configureClassMetric("STCBO", &recordSTCBO);
  PI_configureNeedRelationRefers();
}

}  // namespace zum
