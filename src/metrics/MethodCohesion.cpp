// STLCM: the lack of cohesion of the methods of a class, the number of
// groups of its methods that refer to no common member of the class.
#include <algorithm>
#include <vector>

#include "checks/ClassSurvey.h"
#include "metrics/ClassMetrics.h"
#include "metrics/ClassReferences.h"
#include "metrics/ClassTable.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct CohesionTag {};

// A method of a class referring to a member of the same class, by the
// names the relation gives them.
struct Use {
  const char* className;
  const char* method;
  const char* member;
};

// Methods and members as the nodes of one graph, each use an edge; the
// groups of methods are its connected parts that hold a method.
class MethodGroups {
 public:
  void add(const Use& use) { join(node(methods_, use.method), node(members_, use.member)); }

  // Every member joins the group of a method that uses it, so each group
  // holds a method.
  int count() {
    int groups = 0;
    for (std::size_t i = 0; i < parent_.size(); ++i)
      if (root(i) == i) ++groups;
    return groups;
  }

 private:
  std::size_t node(FlatMap<const char*, std::size_t>& ids, const char* name) {
    auto [id, isNew] = ids.tryEmplace(name);
    if (isNew) {
      *id = parent_.size();
      parent_.push_back(*id);
    }
    return *id;
  }

  std::size_t root(std::size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }

  void join(std::size_t a, std::size_t b) {
    a = root(a);
    b = root(b);
    if (a != b) parent_[b] = a;
  }

  FlatMap<const char*, std::size_t> methods_;
  FlatMap<const char*, std::size_t> members_;
  std::vector<std::size_t> parent_;
};

ClassValues countGroups() {
  std::vector<Use> uses;
  for (const MemberReference& reference : memberReferences()) {
    if (reference.subjectScope != reference.objectScope) continue;
    uses.push_back(
        {reference.objectScope, PI_getRelationObject(reference.relation), PI_getRelationSubject(reference.relation)});
  }
  std::stable_sort(uses.begin(), uses.end(), [](const Use& a, const Use& b) { return a.className < b.className; });
  ClassValues values;
  for (std::size_t begin = 0; begin < uses.size();) {
    MethodGroups groups;
    std::size_t end = begin;
    for (; end < uses.size() && uses[end].className == uses[begin].className; ++end) groups.add(uses[end]);
    values[uses[begin].className] = groups.count();
    begin = end;
  }
  return values;
}

void recordSTLCM(PI_DefineHandle classDefine, const char* metricName) {
  const ClassValues& values = ProcessState::get<ClassTable<CohesionTag>>().get(&countGroups);
  recordClassMetric(classDefine, metricName, valueOfClass(values, classDefine));
}

}  // namespace

void configureSTLCM() {
  addClassSurvey();
  PI_configureClassMetric("STLCM", &recordSTLCM);
  PI_configureNeedRelationRefers();
}

}  // namespace zum
