#include "anlsrslt/model/SuppressionRecord.h"

#include "anlsrslt/model/FieldScanner.h"

namespace {

U_Handle<P_Location> locationOf(const U_Location& location) {
  if (!location.isSet()) return U_Handle<P_Location>();
  return U_make<P_Location>(location.file().given(), location.line(), location.column());
}

}  // namespace

P_MessageRange P_parseMessageRange(const M_MessageRange& range) {
  const int start = zum::leadingInt(range.first);
  const int end = range.second.empty() ? start : zum::leadingInt(range.second);
  return P_MessageRange(start, end);
}

P_SuppressionRecord::P_SuppressionRecord(U_Handle<M_SuppressionRecord> record)
    : tagLocation_(locationOf(record->location())),
      fromLocation_(locationOf(record->begin())),
      toLocation_(locationOf(record->end())),
      tag_(U_Identifier(record->text())),
      record_(std::move(record)) {
  for (const M_MessageRange& range : record_->messageRanges()) {
    const P_MessageRange parsed = P_parseMessageRange(range);
    messageRanges_.push_back(U_make<P_MessageRange>(parsed.start(), parsed.end()));
  }
}
