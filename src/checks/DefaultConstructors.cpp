#include "checks/DefaultConstructors.h"

#include <string_view>
#include <vector>

#include "checks/ClassNames.h"
#include "checks/ClassSurvey.h"
#include "checks/MessageNumbers.h"
#include "checks/NameSpelling.h"
#include "checks/PreferredDefine.h"
#include "checks/Reporting.h"
#include "checks/SymbolWalk.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

// "::@constructor()": cut from a default constructor's name, it leaves the
// name of its class.
constexpr std::string_view kDefaultConstructor = "@constructor()";
constexpr std::size_t kDefaultConstructorTail = 16;
constexpr std::string_view kConstructor = "@constructor(";

// The length of the class name in front of "::@constructor(" in a
// constructor's name; npos for any other name.
std::size_t constructorClassLength(std::string_view name) {
  const std::size_t at = name.find("::@constructor");
  if (at == std::string_view::npos || at == 0 || !spellingStartsWith(name.substr(at + 2), kConstructor))
    return std::string_view::npos;
  return at;
}

struct DefaultConstructorState {
  // The plain and array allocations of objects the sources declared.
  std::vector<PI_AllocHandle> allocations;
};

DefaultConstructorState& state() { return ProcessState::get<DefaultConstructorState>(); }

void rememberAllocation(PI_AllocHandle alloc) {
  if ((PI_isAllocKindArray(alloc) || PI_isAllocKindPlain(alloc)) && PI_getAllocObjectSymbol(alloc))
    state().allocations.push_back(alloc);
}

struct Constructor {
  PI_SymbolHandle symbol;
  PI_DefineHandle define;
};

// What one pass at the end of the run finds out.
class ConstructorUse {
 public:
  // Default constructors, constructors and class-specific allocation
  // functions among the functions.
  void collectSymbols() {
    for (const SymbolDefine& function : classSurvey().specialFunctions) {
      const std::string_view name = PI_getDefineQualName(function.define);
      noteAllocationFunction(function.symbol, name);
      const std::size_t classLength = constructorClassLength(name);
      if (classLength == std::string_view::npos) continue;
      constructorClass_[function.symbol] = internedPrefix(name, classLength);
      if (name.size() > kDefaultConstructorTail && spellingEndsWith(name, kDefaultConstructor))
        noteDefaultConstructor(function.symbol, name);
    }
  }

  bool hasConstructors() const noexcept { return !defined_.empty(); }

  // Every kind of evidence that a constructor runs.
  void collectUses() {
    classSurvey().memberTypes.forEach([this](const char* type, bool) { markClassUsed(classOfValueType(type)); });
    forEachRelation(P_RelationList::Calls, [this](PI_RelationHandle call) { noteCall(call); });
    for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
      PI_DefineHandle object = PI_getSymbolCurrentDefine(PI_getExternVarSubjectSymbol(PI_getExternVarIterData(it)));
      if (object) markClassUsed(classOfValueType(PI_getDefineType(object)));
    }
    // A member held by value and a base class are built by every
    // constructor of the class holding or deriving from them.
    forEachRelation(P_RelationList::ClsMbr,
                    [this](PI_RelationHandle member) { markClassUsed(PI_getRelationSubject(member)); });
    forEachRelation(P_RelationList::Base,
                    [this](PI_RelationHandle base) { markClassUsed(PI_getRelationObject(base)); });
    for (PI_AllocHandle alloc : state().allocations) {
      const char* const* ownClass = allocationFunctionClass_.find(PI_getAllocObjectSymbol(alloc));
      markClassUsed(ownClass ? *ownClass : PI_getAllocQualName(alloc));
    }
  }

  void reportUnused() const {
    for (const Constructor& constructor : defined_) {
      if (used_.contains(constructor.symbol)) continue;
      U_Handle<M_Diagnostic> diagnostic =
          newDiagnostic(msg::kUnusedDefaultConstructor, defineLocation(constructor.define));
      diagnostic->addString(PI_getDefineQualName(constructor.define));
      report(*diagnostic);
    }
  }

 private:
  // Private default constructors are never reported.
  void noteDefaultConstructor(PI_SymbolHandle symbol, std::string_view name) {
    PI_DefineHandle define = preferredDefine(symbol);
    if (!PI_isDefineFunction(define) || PI_isDefineExplicitPrivate(define) || PI_isDefineImplicitPrivate(define))
      return;
    defined_.push_back({symbol, define});
    definedSet_[symbol] = true;
    // Classes without linkage have one constructor symbol per source.
    byClass_[internedPrefix(name, name.size() - kDefaultConstructorTail)].push_back(symbol);
  }

  // "::new(p." at the start of a name is the global allocation function;
  // after a class name, that class's own.
  void noteAllocationFunction(PI_SymbolHandle symbol, std::string_view name) {
    if (name.find("::new") == std::string_view::npos) return;
    std::size_t at = findSpelling(name, "::new(p.");
    if (at == std::string_view::npos) at = findSpelling(name, "::new[](p.");
    if (at != std::string_view::npos && at > 0) allocationFunctionClass_[symbol] = internedPrefix(name, at);
  }

  // A call of a default constructor uses it. A constructor called from a
  // constructor builds a part (base or member) of another object, and a
  // class's own allocation function is called to make one of its objects:
  // both count as building an object of the callee's class.
  void noteCall(PI_RelationHandle call) {
    PI_SymbolHandle callee = PI_getRelationSubjectSymbol(call);
    if (definedSet_.contains(callee)) used_[callee] = true;
    if (const char* const* ownClass = allocationFunctionClass_.find(callee)) markClassUsed(*ownClass);
    const char* const* calleeClass = constructorClass_.find(callee);
    if (calleeClass && constructorClass_.contains(PI_getRelationObjectSymbol(call))) markClassUsed(*calleeClass);
  }

  void markClassUsed(const char* className) {
    if (!className) return;
    if (const std::vector<PI_SymbolHandle>* constructors = byClass_.find(className))
      for (PI_SymbolHandle constructor : *constructors) used_[constructor] = true;
  }

  std::vector<Constructor> defined_;  // in symbol order
  FlatMap<PI_SymbolHandle, bool> definedSet_;
  FlatMap<const char*, std::vector<PI_SymbolHandle>> byClass_;
  FlatMap<PI_SymbolHandle, const char*> constructorClass_;  // every constructor
  FlatMap<PI_SymbolHandle, const char*> allocationFunctionClass_;
  FlatMap<PI_SymbolHandle, bool> used_;
};

void checkDefaultConstructors() {
  ConstructorUse use;
  use.collectSymbols();
  if (use.hasConstructors()) {
    use.collectUses();
    use.reportUnused();
  }
  state().allocations.clear();
}

}  // namespace

void configureUnusedDefaultConstructor() {
  addClassSurvey();
  PI_configureNeedRelationCalls();
  PI_configureNeedRelationClsMbr();
  PI_configureNeedRelationBase();
  PI_configureNeedExternVar();
  PI_configureOnAlloc(&rememberAllocation);
  PI_configureOnAllDefine(&checkDefaultConstructors);
}

}  // namespace zum
