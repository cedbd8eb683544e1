// Queries on symbols and the scope-enclosing symbol.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/ScopeEnclSymbol.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/Assert.h"

extern "C" {

PI_DefineHandle PI_getSymbolCurrentDefine(PI_SymbolHandle symbol) {
  return zum::checkedSymbol(symbol).currentOrDefinition();
}

bool PI_hasSymbolDefineRedeclList(PI_SymbolHandle symbol, PI_DefineHandle define) {
  return P_symbolTable().redeclarationsOf(&zum::checkedSymbol(symbol), define) != nullptr;
}

PI_SymbolHandle PI_getScopeEnclSymbol(const char* scope) {
  U_check(scope != nullptr, "ScopeEnclSymbol", __LINE__, "0 != scope && \"Scope is unset\"");
  if (*scope == '\0') return nullptr;
  return P_findScopeEnclSymbol(scope);
}

}  // extern "C"
