#include "anlsrslt/model/ExternVar.h"

#include <algorithm>
#include <cstdio>

#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "util/ProcessState.h"

P_ExternVarStore& P_externVarStore() { return zum::ProcessState::get<P_ExternVarStore>(); }

void P_ExternVarStore::add(P_ExternVar* record) {
  records_.push_back(record);
  grouped_ = false;
  subjects_[record->subjectSymbol()] = true;
}

const std::vector<P_ExternVar*>& P_ExternVarStore::grouped() {
  if (!grouped_) {
    std::stable_sort(records_.begin(), records_.end(),
                     [](const P_ExternVar* a, const P_ExternVar* b) { return a->object() < b->object(); });
    grouped_ = true;
  }
  return records_;
}

void P_readExternVarRecord(std::string_view line) {
  zum::FieldScanner scan(line);
  scan.skipTag();
  std::string_view objectName = scan.token();
  std::string_view subjectName = scan.token();
  int lineNumber = 0;
  if (objectName.empty() || subjectName.empty() || !scan.integer(lineNumber)) return;

  P_ReadContext& context = P_readContext();
  P_SymbolTable& table = context.symbolTable ? *context.symbolTable : P_symbolTable();
  zum::markQualifiedName(objectName, context.nameScratch);
  zum::markQualifiedName(subjectName, context.keyScratch);
  const char* objectKey = P_SymbolTable::findKeyOf(context.nameScratch);
  const char* subjectKey = P_SymbolTable::findKeyOf(context.keyScratch);
  P_Symbol* objectSymbol = objectKey ? table.findInSource(objectKey) : nullptr;
  P_Symbol* subjectSymbol = subjectKey ? table.findInSource(subjectKey) : nullptr;
  if (!objectSymbol || !subjectSymbol) {
    if (context.showExtvErrors) {
      std::fputs("Undefined symbol for extv record: ", stdout);
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
    }
    return;
  }
  P_ExternVarStore& store = P_externVarStore();
  store.add(store.pool().make(U_Identifier(std::string_view(context.nameScratch)),
                              U_Identifier(std::string_view(context.keyScratch)), lineNumber, objectSymbol,
                              subjectSymbol));
}
