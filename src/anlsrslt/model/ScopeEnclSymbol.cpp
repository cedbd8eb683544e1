#include "anlsrslt/model/ScopeEnclSymbol.h"

#include <array>

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/impl/FlatMap.h"
#include "util/ProcessState.h"

namespace {

struct ScopeEnclSymbols {
  zum::FlatMap<const char*, P_Symbol*> byScope;  // interned scope text
  // The scope text of the last entry made or found: the locals of one
  // function follow each other, and once a scope has its entry, later
  // names in it change nothing.
  std::string_view lastScope;
  // Names whose scope has its entry: nothing a define of such a name does
  // can change the map any more (the first symbol found keeps the entry).
  // The locals and parameters of a header's functions come back in every
  // source that includes it, and splitting their names is not cheap.
  static constexpr std::size_t kSettled = 1 << 16;
  std::array<const char*, kSettled> settledNames{};
  static std::size_t settledSlot(const char* name) noexcept {
    return (zum::mixPointerBits(reinterpret_cast<std::uintptr_t>(name)) >> 7) & (kSettled - 1);
  }
};

}  // namespace

void P_recordScopeEnclSymbol(PI_SymbolHandle, PI_DefineHandle def) {
  bool& shapeSettled = def->shape().scopeSettled;
  if (shapeSettled) return;
  const std::string_view name = def->qualName().view();
  if (name.find(':') == std::string_view::npos) {  // no scope at all
    shapeSettled = true;
    return;
  }
  ScopeEnclSymbols& symbols = zum::ProcessState::get<ScopeEnclSymbols>();
  const char*& settled = symbols.settledNames[ScopeEnclSymbols::settledSlot(name.data())];
  if (settled == name.data()) {
    shapeSettled = true;
    return;
  }
  std::string_view scope = zum::splitLastComponent(name).scope;
  if (scope.empty()) {
    shapeSettled = true;
    return;
  }
  if (scope == symbols.lastScope) {
    settled = name.data();
    shapeSettled = true;
    return;
  }
  const char* key = P_SymbolTable::findKeyOf(scope);
  if (!key) return;
  const P_SymbolTable& table = P_symbolTable();
  P_Symbol* enclosing = table.findInSource(key);
  if (!enclosing) enclosing = table.findInProject(key);
  if (!enclosing) return;
  // The scope is mostly its own key, interned already.
  const char* scopeText = zum::intern::header(key).size == scope.size() ? key : U_Identifier(scope).pointer();
  // The first symbol found for a scope text keeps it.
  auto [entry, created] = symbols.byScope.tryEmplace(scopeText);
  if (created) *entry = enclosing;
  settled = name.data();
  shapeSettled = true;
  // Interned texts live for the process, so the view stays valid.
  symbols.lastScope = std::string_view(scopeText, scope.size());
}

P_Symbol* P_findScopeEnclSymbol(const char* scope) {
  const char* interned = U_SingletonStringStore<SimpleStringCompare>::instance().find(scope);
  if (!interned) return nullptr;
  P_Symbol* const* found = zum::ProcessState::get<ScopeEnclSymbols>().byScope.find(interned);
  return found ? *found : nullptr;
}
