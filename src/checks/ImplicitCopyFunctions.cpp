#include "checks/ImplicitCopyFunctions.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "checks/ClassSurvey.h"
#include "checks/MessageNumbers.h"
#include "checks/NameSpelling.h"
#include "checks/PreferredDefine.h"
#include "checks/Reporting.h"
#include "checks/SymbolWalk.h"
#include "util/FlatMap.h"

namespace zum {

namespace {

enum CopyKind { kCopyConstructor = 0, kCopyAssignment = 1, kNotCopy = 2 };

// How the per-file analyser names the implicit copy functions: the copy
// assignment "=@...", the copy constructor "@constructor(,...".
CopyKind copyKindOf(PI_DefineHandle define) {
  const std::string_view text = PI_getDefineUnqualName(define);
  if (text.size() >= 3 && spellingStartsWith(text, "=@")) return kCopyAssignment;
  if (text.size() > 14 && spellingStartsWith(text, "@constructor(,")) return kCopyConstructor;
  return kNotCopy;
}

// Only names spelt like an implicit copy function are looked at closer.
bool maySpellCopyFunction(std::string_view name) {
  return name.find("=@") != std::string_view::npos || name.find("@constructor") != std::string_view::npos;
}

// The implicit copy function of `define` (the preferred define of its
// symbol), if it is one.
CopyKind implicitCopyKind(PI_DefineHandle define) {
  return define && PI_isDefineImplicit(define) ? copyKindOf(define) : kNotCopy;
}

bool byIdentity(const char* a, const char* b) { return U_Identifier::fromStored(a) < U_Identifier::fromStored(b); }

// The implicit functions of one kind that are still unused.
class UnusedCopies {
 public:
  // One entry per qualified name and one per class; the first one stays.
  void add(PI_DefineHandle define) {
    auto [entry, isNew] = byName_.tryEmplace(PI_getDefineQualName(define));
    if (isNew) *entry = define;
    auto [ofClass, isNewClass] = byClass_.tryEmplace(PI_getDefineScope(define));
    if (isNewClass) *ofClass = define;
  }

  bool hasClass(const char* className) const { return byClass_.contains(className); }

  // A call of the function named `name` of class `className`.
  void markCalled(const char* name, const char* className) {
    if (PI_DefineHandle* entry = byName_.find(name)) *entry = nullptr;
    if (!done_.tryEmplace(className).second) return;
    work_.push_back(className);
  }

  // Copying a class copies what it holds and derives from: every class
  // reached from a used one through the class graph uses its own.
  void propagate(const FlatMap<const char*, std::vector<const char*>>& graph) {
    while (!work_.empty()) {
      const char* from = work_.back();
      work_.pop_back();
      const std::vector<const char*>* edges = graph.find(from);
      if (!edges) continue;
      for (const char* to : *edges) {
        const PI_DefineHandle* ofClass = byClass_.find(to);
        if (!ofClass || !done_.tryEmplace(to).second) continue;
        work_.push_back(to);
        if (PI_DefineHandle* entry = byName_.find(PI_getDefineQualName(*ofClass))) *entry = nullptr;
      }
    }
  }

  void reportLeft(int message) const {
    std::vector<const char*> names;
    byName_.forEach([&names](const char* name, PI_DefineHandle define) {
      if (define) names.push_back(name);
    });
    std::sort(names.begin(), names.end(), byIdentity);
    for (const char* name : names) {
      PI_DefineHandle define = *byName_.find(name);
      U_Handle<M_Diagnostic> diagnostic = newDiagnostic(message, defineLocation(define));
      diagnostic->addString(PI_getDefineScope(define));
      report(*diagnostic);
    }
  }

 private:
  FlatMap<const char*, PI_DefineHandle> byName_;  // null once used
  FlatMap<const char*, PI_DefineHandle> byClass_;
  FlatMap<const char*, bool> done_;
  std::vector<const char*> work_;
};

struct Candidate {
  PI_DefineHandle define;
  CopyKind kind;
};

// The implicit copy functions of the project, by symbol (the calls reach
// them by symbol), and as candidates in symbol order.
struct ImplicitCopies {
  FlatMap<PI_SymbolHandle, Candidate> bySymbol;
  std::vector<Candidate> candidates;
};

ImplicitCopies findImplicitCopies() {
  ImplicitCopies copies;
  for (const SymbolDefine& function : classSurvey().specialFunctions) {
    if (!maySpellCopyFunction(PI_getDefineQualName(function.define))) continue;
    PI_DefineHandle define = preferredDefine(function.symbol);
    const CopyKind kind = implicitCopyKind(define);
    if (kind == kNotCopy) continue;
    copies.bySymbol[function.symbol] = {define, kind};
    copies.candidates.push_back({define, kind});
  }
  return copies;
}

// POD classes and aggregates are copied bit by bit.
FlatMap<const char*, bool> bitwiseCopiedClasses() {
  FlatMap<const char*, bool> classes;
  for (int it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it)) {
    PI_DefineHandle define = preferredDefine(PI_getSymbolIterData(it));
    if (define && (PI_isDefinePOD(define) || PI_isDefineAggregate(define)))
      classes[PI_getDefineQualName(define)] = true;
  }
  return classes;
}

const char* currentName(PI_SymbolHandle symbol) {
  PI_DefineHandle define = PI_getSymbolCurrentDefine(symbol);
  return define ? PI_getDefineQualName(define) : nullptr;
}

// From a class to what copying it copies: its members held by value and
// its base classes.
FlatMap<const char*, std::vector<const char*>> classGraph(const UnusedCopies (&unused)[2]) {
  auto hasImplicitCopy = [&unused](const char* name) {
    return name && (unused[kCopyConstructor].hasClass(name) || unused[kCopyAssignment].hasClass(name));
  };
  FlatMap<const char*, std::vector<const char*>> graph;
  forEachRelation(P_RelationList::ClsMbr, [&](PI_RelationHandle member) {
    const char* holder = currentName(PI_getRelationObjectSymbol(member));
    const char* held = currentName(PI_getRelationSubjectSymbol(member));
    if (held && hasImplicitCopy(holder)) graph[holder].push_back(held);
  });
  forEachRelation(P_RelationList::Base, [&](PI_RelationHandle base) {
    const char* derived = currentName(PI_getRelationSubjectSymbol(base));
    const char* baseClass = currentName(PI_getRelationObjectSymbol(base));
    if (baseClass && hasImplicitCopy(derived)) graph[derived].push_back(baseClass);
  });
  return graph;
}

void markCalledCopies(const ImplicitCopies& copies, UnusedCopies (&unused)[2]) {
  forEachRelation(P_RelationList::Calls, [&](PI_RelationHandle call) {
    if (const Candidate* callee = copies.bySymbol.find(PI_getRelationSubjectSymbol(call)))
      unused[callee->kind].markCalled(PI_getRelationSubject(call), PI_getDefineScope(callee->define));
  });
}

void checkImplicitCopyFunctions() {
  const ImplicitCopies copies = findImplicitCopies();
  if (copies.candidates.empty()) return;
  const FlatMap<const char*, bool> bitwise = bitwiseCopiedClasses();
  UnusedCopies unused[2];
  for (const Candidate& candidate : copies.candidates)
    if (!bitwise.contains(PI_getDefineScope(candidate.define))) unused[candidate.kind].add(candidate.define);

  const FlatMap<const char*, std::vector<const char*>> graph = classGraph(unused);
  markCalledCopies(copies, unused);
  unused[kCopyConstructor].propagate(graph);
  unused[kCopyAssignment].propagate(graph);
  unused[kCopyConstructor].reportLeft(msg::kUnusedImplicitCopyConstructor);
  unused[kCopyAssignment].reportLeft(msg::kUnusedImplicitCopyAssignment);
}

}  // namespace

// The base relations it reads are kept for the default-constructor check,
// which runs with it for the same product.
void configureClassMember() {
  addClassSurvey();
  PI_configureNeedRelationClsMbr();
  PI_configureNeedRelationCalls();
  PI_configureOnAllDefine(&checkImplicitCopyFunctions);
}

}  // namespace zum
