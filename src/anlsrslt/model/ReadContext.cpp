#include "anlsrslt/model/ReadContext.h"

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/ProcessState.h"

P_ReadContext& P_readContext() { return zum::ProcessState::get<P_ReadContext>(); }

U_Identifier P_ReadContext::internName(std::string_view raw) {
  zum::markQualifiedName(raw, nameScratch);
  return U_Identifier(std::string_view(nameScratch));
}

const char* P_markAndFindKey(std::string_view raw, std::string& marked) {
  zum::markQualifiedName(raw, marked);
  return P_SymbolTable::findKeyOf(marked);
}

P_ResolvedName P_resolveInSource(std::string_view raw, std::string& scratch) {
  P_ResolvedName resolved;
  resolved.key = P_symbolKeyOfName(raw, scratch);
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
  P_beginCachedFile(context.caches);
}
