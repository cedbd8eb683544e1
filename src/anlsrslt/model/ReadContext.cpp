#include "anlsrslt/model/ReadContext.h"

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/ProcessState.h"

P_ReadContext& P_readContext() { return zum::ProcessState::get<P_ReadContext>(); }

U_Identifier P_ReadContext::internName(std::string_view raw) {
  zum::markQualifiedName(raw, nameScratch);
  return U_Identifier(std::string_view(nameScratch));
}

P_ResolvedName P_resolveInSource(std::string_view raw, std::string& scratch) {
  // A name whose marked form is its key is remembered with the key: an
  // interned key never goes away, and marking depends on the text alone.
  P_ResolvedName resolved;
  auto& nameKeys = P_readContext().nameKeys;
  const std::uint64_t hash = nameKeys.hashOf(raw);
  if (const char* const* known = nameKeys.find(raw, hash)) {
    resolved.key = *known;
    scratch.assign(resolved.key, zum::intern::header(resolved.key).size);
  } else {
    zum::markQualifiedName(raw, scratch);
    resolved.key = P_SymbolTable::findKeyOf(scratch);
    if (resolved.key && zum::intern::header(resolved.key).size == scratch.size())
      nameKeys.remember(raw, hash, resolved.key);
  }
  if (resolved.key) {
    P_SymbolTable* table = P_readContext().symbolTable;
    resolved.symbol = (table ? *table : P_symbolTable()).findInSource(resolved.key);
  }
  return resolved;
}

const char* P_internResolvedName(const std::string& scratch, const char* key) {
  if (key && zum::intern::header(key).size == scratch.size()) return key;
  return U_SingletonStringStore<SimpleStringCompare>::instance().intern(scratch);
}

void P_beginMetricFile() {
  P_ReadContext& context = P_readContext();
  context.symbolTable = &P_symbolTable();
  context.symbolTable->beginSource();
  context.lastFile = U_Filename();
}
