// Message 1510: an external name whose declarations across the project do
// not agree.
#include <set>
#include <span>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/PI_Interface.h"
#include "checks/DeclarationRules.h"
#include "checks/MessageNumbers.h"
#include "checks/ProjectRedeclarations.h"
#include "checks/Redeclarations.h"
#include "checks/Reporting.h"
#include "checks/SymbolDefines.h"
#include "checks/SymbolSet.h"
#include "util/Assert.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct IncompatibleDeclarationState {
  SymbolSet incompatible{P_kReportedIncompatible};
};

IncompatibleDeclarationState& state() { return ProcessState::get<IncompatibleDeclarationState>(); }

DeclaredKind kindOf(const P_DefineCodes& is) {
  if (is.isVariable()) return DeclaredKind::Variable;  // members too
  if (is.isFunction()) return DeclaredKind::Function;
  if (is.isTypedef()) return DeclaredKind::Typedef;
  if (is.isMacro()) return DeclaredKind::Macro;
  if (is.isTag()) return DeclaredKind::Tag;
  if (is.kind == P_DefineKind::Enumerator) return DeclaredKind::Enumerator;
  return DeclaredKind::Other;
}

bool isUndimensionedArray(const char* type) {
  const ArrayType array = arrayTypeOf(type);
  return array.isArray && !array.dimensioned;
}

// What stands for `define` where array dimensions are compared: an array
// declared without a dimension is taken with the first of its
// redeclarations whose type is no such array, when it has one.
PI_DefineHandle dimensionedStandIn(PI_SymbolHandle symbol, PI_DefineHandle define) {
  if (!isUndimensionedArray(PI_getDefineType(define)) || !PI_hasSymbolDefineRedeclList(symbol, define)) return define;
  PI_DefineHandle standIn = define;
  // Walked to its end: an iterator left early would keep its id for the run.
  for (int it = PI_getSymbolDefineFirstRedecl(symbol, define); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it)) {
    PI_DefineHandle redeclaration = PI_getDefineIterData(it);
    if (standIn == define && !isUndimensionedArray(PI_getDefineType(redeclaration))) standIn = redeclaration;
  }
  return standIn;
}

const char* requireType(const char* type) {
  U_require(type != nullptr, "incompatibleDeclaration", __LINE__,
            "newType != 0 && oldType != 0 && \"Our types are not set\"");
  return type;
}

class Judge {
 public:
  // Whether the defines of `symbol` disagree.
  bool incompatible(PI_SymbolHandle symbol) {
    defines_ = definesOf(symbol);
    if (defines_.size() < 2) return false;
    PI_DefineHandle first = defines_.front();
    // Nothing conflicts with a first define that is a member.
    const bool firstIsArray = arrayTypeOf(requireType(PI_getDefineType(first))).isArray;
    if (!firstIsArray && PI_isDefineMember(first)) return false;
    if (!firstIsArray && allDeclaredLikeFirst(defines_)) return false;
    facts_.clear();
    for (std::size_t i = 0; i < defines_.size(); ++i) {
      loadAhead(defines_, i);
      facts_.push_back(factsOf(symbol, defines_[i], firstIsArray));
    }
    return declarationsIncompatible(facts_);
  }

  // The defines of the last symbol judged, arrays by their stand-ins.
  std::vector<PI_DefineHandle> standIns(PI_SymbolHandle symbol) const {
    std::vector<PI_DefineHandle> out;
    out.reserve(defines_.size());
    for (PI_DefineHandle define : defines_) out.push_back(dimensionedStandIn(symbol, define));
    return out;
  }

 private:
  // Whether every define has the first's kind and type (one interned
  // text): none of them then conflicts with a first that is no array. Most
  // redeclared names are declared alike in every source (a header's
  // prototype), so their facts are not gathered and judged one by one.
  static bool allDeclaredLikeFirst(std::span<const PI_DefineHandle> defines) {
    const P_DefineKind kind = P_getDefineCodes(defines.front()).kind;
    const U_Identifier type = P_getDefineTypeIdentifier(defines.front());
    for (std::size_t i = 1; i < defines.size(); ++i) {
      loadAhead(defines, i);
      if (P_getDefineCodes(defines[i]).kind != kind || P_getDefineTypeIdentifier(defines[i]) != type) return false;
    }
    return true;
  }

  static DeclarationFacts factsOf(PI_SymbolHandle symbol, PI_DefineHandle define, bool arraysCompared) {
    // The codes in one inline query: every define of every redeclared
    // external name comes here.
    const P_DefineCodes is = P_getDefineCodes(define);
    DeclarationFacts facts;
    facts.kind = kindOf(is);
    facts.inClass = is.isMember();
    facts.type = requireType(PI_getDefineType(define));
    facts.dimensionedType = arraysCompared ? requireType(PI_getDefineType(dimensionedStandIn(symbol, define))) : facts.type;
    return facts;
  }

  std::span<const PI_DefineHandle> defines_;
  std::vector<DeclarationFacts> facts_;
};

void reportIncompatible(PI_SymbolHandle symbol, const std::vector<PI_DefineHandle>& defines) {
  std::set<U_Location, M_IsLocationLess> places;
  for (PI_DefineHandle define : defines) places.insert(defineLocation(define));
  const char* name = PI_getDefineQualName(PI_getSymbolCurrentDefine(symbol));
  std::vector<U_Handle<M_Diagnostic>> list;
  list.reserve(places.size());
  for (const U_Location& place : places) list.push_back(declarationMessage(place, name));
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kIncompatibleDeclaration, projectLocation());
  diagnostic->addString(name);
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

void checkIncompatibleDeclarations() {
  IncompatibleDeclarationState& check = state();
  Judge judge;
  const std::vector<PI_SymbolHandle> symbols = projectRedeclarations().external.inSymbolOrder();
  for (std::size_t s = 0; s < symbols.size(); ++s) {
    loadSymbolsAhead(symbols, s);
    const PI_SymbolHandle symbol = symbols[s];
    if (check.incompatible.contains(symbol) || !judge.incompatible(symbol)) continue;
    check.incompatible.insert(symbol);
    reportIncompatible(symbol, judge.standIns(symbol));
  }
}

}  // namespace

void configureIncompatibleDeclaration() {
  noteProjectRedeclarations();
  PI_configureOnAllDefine(&checkIncompatibleDeclarations);
}

}  // namespace zum
