#include "metrics/ClassReferences.h"

#include "checks/ClassSurvey.h"
#include "checks/ScopeText.h"
#include "checks/SymbolWalk.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct MemberReferenceList {
  bool found = false;
  std::vector<MemberReference> references;
};

}  // namespace

const std::vector<MemberReference>& memberReferences() {
  MemberReferenceList& list = ProcessState::get<MemberReferenceList>();
  if (list.found) return list.references;
  list.found = true;
  const FlatMap<const char*, bool>& classes = classSurvey().classNames;
  if (classes.empty()) return list.references;
  // A relation's names resolved to its symbols in its source, so they are
  // the names of their current defines up to a template argument list at
  // the end, which is no part of the scope.
  std::vector<MemberReference>& references = list.references;
  // Refers relations come grouped by subject: its scope is worked out once
  // per group.
  const char* subject = nullptr;
  const char* subjectScope = nullptr;
  // The class of each referring name, null when its scope is none: a
  // function refers to many things, so each is asked for hundreds of times.
  FlatMap<const char*, const char*> classOfObject;
  forEachRelation(P_RelationList::Refers, [&](PI_RelationHandle relation) {
    auto [objectClass, isNew] = classOfObject.tryEmplace(PI_getRelationObject(relation));
    if (isNew) {
      const char* scope = scopeTextOf(PI_getRelationObject(relation));
      *objectClass = classes.contains(scope) ? scope : nullptr;
    }
    const char* objectScope = *objectClass;
    if (!objectScope) return;
    if (PI_getRelationSubject(relation) != subject) {
      subject = PI_getRelationSubject(relation);
      subjectScope = scopeTextOf(subject);
    }
    if (*subjectScope) references.push_back({relation, objectScope, subjectScope});
  });
  return list.references;
}

}  // namespace zum
