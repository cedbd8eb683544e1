#include "anlsrslt/model/ExternVar.h"

#include <algorithm>
#include <cstdio>

#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/RunSettings.h"
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
                     [](const P_ExternVar* a, const P_ExternVar* b) {
                       return zum::intern::header(a->object()).serial < zum::intern::header(b->object()).serial;
                     });
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
  P_ResolvedName object = P_resolveInSource(objectName, context.nameScratch);
  P_ResolvedName subject = P_resolveInSource(subjectName, context.keyScratch);
  if (!object.symbol || !subject.symbol) {
    if (C_runSettings().showExtvErrors) {
      std::fputs("Undefined symbol for extv record: ", stdout);
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
    }
    return;
  }
  P_ExternVarStore& store = P_externVarStore();
  store.add(store.pool().make(P_internResolvedName(context.nameScratch, object.key),
                              P_internResolvedName(context.keyScratch, subject.key), lineNumber, object.symbol,
                              subject.symbol));
}
