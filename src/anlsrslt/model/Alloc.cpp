#include "anlsrslt/model/Alloc.h"

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadContext.h"
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
  P_ResolvedName resolved = P_resolveInSource(name, context.nameScratch);
  if (!resolved.symbol) return;
  const char* objectHan = P_internResolvedName(context.nameScratch, resolved.key);
  U_require(objectHan != nullptr, "AllocRecord", __LINE__, "0 != objectHan && \"Could not create a Unique String.\"");

  P_AllocStore& store = P_allocStore();
  P_Alloc* record =
      store.pool.make(objectHan, P_allocKindOf(kind), P_internFileField(file), lineNumber, column, resolved.symbol);
  store.records.push_back(record);
  P_callbacks().onAlloc.call(record);
}
