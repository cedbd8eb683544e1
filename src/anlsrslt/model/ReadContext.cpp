#include "anlsrslt/model/ReadContext.h"

#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/DebugSwitches.h"
#include "util/ProcessState.h"

P_ReadContext& P_readContext() { return zum::ProcessState::get<P_ReadContext>(); }

U_Identifier P_ReadContext::internName(std::string_view raw) {
  zum::markQualifiedName(raw, nameScratch);
  return U_Identifier(std::string_view(nameScratch));
}

P_Symbol* P_ReadContext::findSymbolInSource(std::string_view raw) {
  zum::markQualifiedName(raw, keyScratch);
  const char* key = P_SymbolTable::findKeyOf(keyScratch);
  if (!key) return nullptr;
  return (symbolTable ? *symbolTable : P_symbolTable()).findInSource(key);
}

void P_beginMetricFile() {
  P_ReadContext& context = P_readContext();
  context.symbolTable = &P_symbolTable();
  context.symbolTable->beginSource();
  context.showSymbolErrors = C_isDebugSwitchSet("show-symbol-errors");
  context.showRelationErrors = C_isDebugSwitchSet("show-relation-errors");
  context.showExtvErrors = C_isDebugSwitchSet("show-extv-errors");
  context.lastFile = U_Filename();
}
