#include "anlsrslt/model/ScopeEnclSymbol.h"

#include <array>

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/RunSettings.h"
#include "util/FlatMap.h"
#include "util/Memo.h"
#include "util/ProcessState.h"

namespace {

// Scopes whose entry is made. Once a scope has its entry, nothing a define
// in it does can change the map any more (the first symbol found keeps the
// entry), so names known to be in such a scope are not split again: the
// locals and parameters of a header's functions come back in every source
// that includes it, and the locals of one function follow each other.
class SettledScopes {
 public:
  bool isSettled(const P_Define& def) const {
    if (!C_readCachesOn()) return false;
    return def.shape().scopeSettled || names_[slotOf(def.qualName().pointer())] == def.qualName().pointer();
  }
  bool isLastScope(std::string_view scope) const { return C_readCachesOn() && scope == lastScope_; }
  // A name without a scope is settled by its shape alone.
  void settle(const P_Define& def, bool hasScope = true) {
    def.shape().scopeSettled = true;
    if (hasScope) names_[slotOf(def.qualName().pointer())] = def.qualName().pointer();
  }
  // `scopeText` is interned, so the view stays valid.
  void noteEntered(std::string_view scopeText) { lastScope_ = scopeText; }

 private:
  static constexpr std::size_t kSlots = 1 << 16;
  static std::size_t slotOf(const char* name) noexcept {
    return (zum::mixPointerBits(reinterpret_cast<std::uintptr_t>(name)) >> 7) & (kSlots - 1);
  }

  std::array<const char*, kSlots> names_{};
  std::string_view lastScope_;
};

struct ScopeEnclSymbols {
  zum::FlatMap<const char*, P_Symbol*> byScope;  // interned scope text
  SettledScopes settled;
};

// The scope part of a qualified name; empty for a name without one.
std::string_view scopeOf(std::string_view name) {
  if (name.find(':') == std::string_view::npos) return {};
  return zum::splitLastComponent(name).scope;
}

enum class Entry { Unknown, Made, Kept };

// Gives `scope` its entry: the symbol of that name in the current source,
// else in the project; the first symbol found for a scope text keeps it.
// Unknown while no such symbol exists (a later define may bring it).
Entry enterScope(std::string_view scope, ScopeEnclSymbols& symbols, std::string_view& scopeText) {
  const char* key = P_SymbolTable::findKeyOf(scope);
  if (!key) return Entry::Unknown;
  const P_SymbolTable& table = P_symbolTable();
  P_Symbol* enclosing = table.findInSource(key);
  if (!enclosing) enclosing = table.findInProject(key);
  if (!enclosing) return Entry::Unknown;
  // The scope is mostly its own key, interned already.
  const char* text = zum::intern::header(key).size == scope.size() ? key : U_Identifier(scope).pointer();
  scopeText = std::string_view(text, scope.size());
  auto [entry, created] = symbols.byScope.tryEmplace(text);
  if (!created) return Entry::Kept;
  *entry = enclosing;
  return Entry::Made;
}

// Entering the scope of a settled name afresh must make no entry.
[[maybe_unused]] void checkSettled(const P_Define& def, ScopeEnclSymbols& symbols) {
  const std::string_view scope = scopeOf(def.qualName().view());
  std::string_view scopeText;
  zum::checkMemo(scope.empty() || enterScope(scope, symbols, scopeText) != Entry::Made, "SettledScopes");
}

}  // namespace

void P_recordScopeEnclSymbol(PI_SymbolHandle, PI_DefineHandle def) {
  ScopeEnclSymbols& symbols = zum::ProcessState::get<ScopeEnclSymbols>();
  if (symbols.settled.isSettled(*def)) {
    if constexpr (zum::kCheckMemos) checkSettled(*def, symbols);
    return;
  }
  const std::string_view scope = scopeOf(def->qualName().view());
  if (scope.empty()) {
    symbols.settled.settle(*def, false);
    return;
  }
  if (symbols.settled.isLastScope(scope)) {
    if constexpr (zum::kCheckMemos) checkSettled(*def, symbols);
    symbols.settled.settle(*def);
    return;
  }
  std::string_view scopeText;
  if (enterScope(scope, symbols, scopeText) == Entry::Unknown) return;
  symbols.settled.settle(*def);
  symbols.settled.noteEntered(scopeText);
}

P_Symbol* P_findScopeEnclSymbol(const char* scope) {
  const char* interned = U_SingletonStringStore<SimpleStringCompare>::instance().find(scope);
  if (!interned) return nullptr;
  P_Symbol* const* found = zum::ProcessState::get<ScopeEnclSymbols>().byScope.find(interned);
  return found ? *found : nullptr;
}
