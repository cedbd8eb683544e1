// The define iterators: the defines of a symbol, the redeclarations of a
// define, and the run-wide list of derived defines.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/TemplateBookkeeping.h"
#include "anlsrslt/model/impl/IteratorContainers.h"
#include "util/Assert.h"

namespace {

constexpr const char* kUnit = "anlsrslt/model/metrics/P_DefineIter";

P_Define* checkedElement(P_Define* def) {
  U_require(def != nullptr, kUnit, __LINE__, "0 != pos->pointer () && \"DefinePtr is Null pointer in container.\"");
  U_require(def->isSane(), kUnit, __LINE__, "pos->isSet () && \"Unset DefinePtr in container.\"");
  return def;
}

}  // namespace

std::span<const PI_DefineHandle> P_getSymbolDefines(PI_SymbolHandle symbol) {
  const auto& defines = zum::checkedSymbol(symbol).defines();
  return {defines.begin(), defines.end()};
}

void P_prefetchSymbolDefines(PI_SymbolHandle symbol) { __builtin_prefetch(symbol->defines().begin()); }

bool P_hasSymbolMark(PI_SymbolHandle symbol, P_SymbolMark mark) { return zum::checkedSymbol(symbol).hasMark(mark); }

void P_setSymbolMark(PI_SymbolHandle symbol, P_SymbolMark mark) { zum::checkedSymbol(symbol).setMark(mark); }

extern "C" {

int PI_getSymbolFirstDefine(PI_SymbolHandle symbol) {
  const auto& defines = zum::checkedSymbol(symbol).defines();
  return zum::iteratorContainers().defines.first(zum::DefineCursor{&defines, nullptr, 0},
                                                 zum::DefineCursor{&defines, nullptr, defines.size()});
}

int PI_getSymbolDefineFirstRedecl(PI_SymbolHandle symbol, PI_DefineHandle define) {
  const std::vector<P_Define*>* redecls = P_symbolTable().redeclarationsOf(&zum::checkedSymbol(symbol), define);
  U_require(redecls != nullptr, "P_Symbol", __LINE__,
            "iter != m_redeclList.end () && \"We have no redeclarations for this symbol/define\"");
  return zum::iteratorContainers().defines.first(zum::DefineCursor{nullptr, redecls, 0},
                                                 zum::DefineCursor{nullptr, redecls, redecls->size()});
}

PI_DefineHandle PI_getDefineIterData(int iterator) {
  const zum::DefineCursor* position = zum::iteratorContainers().defines.position(iterator);
  return position ? checkedElement(position->element()) : nullptr;
}

bool PI_getDefineIterNext(int iterator) { return zum::iteratorContainers().defines.next(iterator); }
bool PI_isDefineIterEnd(int iterator) { return zum::iteratorContainers().defines.isEnd(iterator); }

}  // extern "C"

int P_getFirstDerivedDefine() {
  return zum::iterateAll(zum::iteratorContainers().derivedDefines, P_templateBookkeeping().derivedDefines());
}

PI_DefineHandle P_getDerivedDefineIterData(int iterator) {
  const auto* position = zum::iteratorContainers().derivedDefines.position(iterator);
  return position ? checkedElement(position->element()) : nullptr;
}

bool P_getDerivedDefineIterNext(int iterator) { return zum::iteratorContainers().derivedDefines.next(iterator); }
bool P_isDerivedDefineIterEnd(int iterator) { return zum::iteratorContainers().derivedDefines.isEnd(iterator); }

PI_DefineHandle P_getDefineTemplateOrigin(PI_DefineHandle define) {
  return P_templateBookkeeping().originStep(&zum::checkedDefine(define));
}
