// Suppression records delivered by the events of a source's error file.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/SuppressionRecord.h"

namespace {

constexpr const char* kUnit = "SuppressionRecord";

P_SuppressionRecord& withLocations(P_SuppressionRecord* supp) {
  return zum::checked(supp, kUnit, "0 != supp && \"Dont dereference 0.\"");
}
P_SuppressionRecord& withRanges(P_SuppressionRecord* supp) {
  return zum::checked(supp, kUnit, "0 != supp && \"Suppression record handle is nil\"");
}

const P_MessageRange& rangeAt(P_SuppressionRecord* supp, int index) {
  const auto& ranges = withRanges(supp).messageRanges();
  U_check(static_cast<std::size_t>(index) < ranges.size(), kUnit, __LINE__,
          "index < supp->m_messageRanges.size() && \"Index out of range\"");
  return zum::checked(ranges[static_cast<std::size_t>(index)].pointer(), "MessageRange",
                      "0 != mr && \"Dont dereference 0.\"");
}

}  // namespace

extern "C" {

int PI_getSuppressionRecordKind(PI_SuppressionRecordHandle supp) {
  return zum::checked(supp, kUnit, "0 != supp && \"Suppression record handle is 0\"").record().kind();
}

const char* PI_getSuppressionRecordTag(PI_SuppressionRecordHandle supp) { return withRanges(supp).tag().c_str(); }

PI_LocationHandle PI_getSuppressionRecordTagLocation(PI_SuppressionRecordHandle supp) {
  return withLocations(supp).tagLocation();
}
PI_LocationHandle PI_getSuppressionRecordFromLocation(PI_SuppressionRecordHandle supp) {
  return withLocations(supp).fromLocation();
}
PI_LocationHandle PI_getSuppressionRecordToLocation(PI_SuppressionRecordHandle supp) {
  return withLocations(supp).toLocation();
}

int PI_getSuppressionMessageRangeCount(PI_SuppressionRecordHandle supp) {
  return static_cast<int>(withRanges(supp).messageRanges().size());
}
int PI_getSuppressionMessageRangeStart(PI_SuppressionRecordHandle supp, int index) {
  return rangeAt(supp, index).start();
}
int PI_getSuppressionMessageRangeEnd(PI_SuppressionRecordHandle supp, int index) {
  return rangeAt(supp, index).end();
}

}  // extern "C"
