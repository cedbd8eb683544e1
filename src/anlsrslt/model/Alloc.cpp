#include "anlsrslt/model/Alloc.h"

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/Assert.h"
#include "util/ProcessState.h"

P_AllocStore& P_allocStore() { return zum::ProcessState::get<P_AllocStore>(); }

P_AllocKind P_allocKindOf(std::string_view text) noexcept {
  if (text == "plain") return P_AllocKind::Plain;
  if (text == "array") return P_AllocKind::Array;
  if (text == "old") return P_AllocKind::Old;
  return P_AllocKind::Unknown;
}

void P_readAllocRecord(std::string_view line) {
  zum::FieldScanner scan(line);
  scan.skipTag();
  std::string_view name = scan.token();
  std::string_view kind = scan.token();
  std::string_view file = scan.fileName();
  int lineNumber = 0;
  int column = 0;
  if (name.empty() || kind.empty() || file.empty() || !scan.integer(lineNumber) || !scan.integer(column)) return;

  P_ReadContext& context = P_readContext();
  U_Identifier objectHan = context.internName(name);
  U_require(objectHan.isSet(), "AllocRecord", __LINE__, "0 != objectHan && \"Could not create a Unique String.\"");
  P_SymbolTable& table = context.symbolTable ? *context.symbolTable : P_symbolTable();
  const char* key = P_SymbolTable::findKeyOf(objectHan.view());
  P_Symbol* symbol = key ? table.findInSource(key) : nullptr;
  if (!symbol) return;

  P_AllocStore& store = P_allocStore();
  P_Alloc* record =
      store.pool.make(objectHan, P_allocKindOf(kind), context.internFile(file), lineNumber, column, symbol);
  store.records.push_back(record);
  P_callbacks().onAlloc.call(record);
}
