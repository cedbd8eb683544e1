#include "anlsrslt/model/ScopeEnclSymbol.h"

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/impl/FlatMap.h"
#include "util/ProcessState.h"

namespace {

struct ScopeEnclSymbols {
  zum::FlatMap<const char*, P_Symbol*> byScope;  // interned scope text
};

}  // namespace

void P_recordScopeEnclSymbol(PI_SymbolHandle, PI_DefineHandle def) {
  std::string_view scope = zum::splitLastComponent(def->qualName().view()).scope;
  if (scope.empty()) return;
  const char* key = P_SymbolTable::findKeyOf(scope);
  if (!key) return;
  const P_SymbolTable& table = P_symbolTable();
  P_Symbol* enclosing = table.findInSource(key);
  if (!enclosing) enclosing = table.findInProject(key);
  if (!enclosing) return;
  // The scope is mostly its own key, interned already.
  const char* scopeText = zum::intern::header(key).size == scope.size() ? key : U_Identifier(scope).pointer();
  // The first symbol found for a scope text keeps it.
  auto [entry, created] = zum::ProcessState::get<ScopeEnclSymbols>().byScope.tryEmplace(scopeText);
  if (created) *entry = enclosing;
}

P_Symbol* P_findScopeEnclSymbol(const char* scope) {
  const char* interned = U_SingletonStringStore<SimpleStringCompare>::instance().find(scope);
  if (!interned) return nullptr;
  P_Symbol* const* found = zum::ProcessState::get<ScopeEnclSymbols>().byScope.find(interned);
  return found ? *found : nullptr;
}
