#include "anlsrslt/model/SuppressionCheck.h"

#include <climits>

#include "anlsrslt/model/SuppressionRecord.h"
#include "messages/SuppressionRecord.h"
#include "util/Location.h"

namespace {

std::vector<U_NumberRange> rangesOf(const M_SuppressionRecord& record) {
  std::vector<U_NumberRange> ranges;
  for (const M_MessageRange& range : record.messageRanges()) {
    const P_MessageRange parsed = P_parseMessageRange(range);
    ranges.push_back(U_NumberRange{parsed.start(), parsed.end()});
  }
  return ranges;
}

}  // namespace

bool P_SuppressionCheck::Region::contains(const U_Location& location) const {
  if (location.file().absolute() != file) return false;
  const int line = location.line();
  const int column = location.column();
  if (line < beginLine || line > endLine) return false;
  if (line == beginLine && column < beginColumn) return false;
  if (line == endLine && column > endColumn) return false;
  return true;
}

void P_SuppressionCheck::enter(const M_SuppressionRecord& record, std::size_t index) {
  if (record.kind() != 1 && record.kind() != 2) return;
  const U_Location& begin = record.begin();
  if (!begin.isSet()) return;  // a region without a place covers nothing
  std::vector<Region>& regions = regions_[record.kind() - 1];
  Member member{index, rangesOf(record)};
  const U_Location& end = record.end();

  if (!end.isSet()) {
    for (Region& region : regions) {
      if (region.open && region.file == begin.file().absolute() && region.beginLine == begin.line() &&
          region.beginColumn == begin.column()) {
        region.members.push_back(std::move(member));
        return;
      }
    }
    regions.push_back(Region{begin.file().absolute(), begin.line(), begin.column(), begin.line(), begin.column(),
                             true, {}});
    regions.back().members.push_back(std::move(member));
    return;
  }

  int endLine = end.line();
  int endColumn = end.column();
  if (endLine > begin.line() && endColumn == 0) {
    endLine -= 1;
    endColumn = INT_MAX;
  }
  regions.push_back(Region{begin.file().absolute(), begin.line(), begin.column(), endLine, endColumn, false, {}});
  regions.back().members.push_back(std::move(member));
}

bool P_SuppressionCheck::covers(const Member& member, int message) {
  for (const U_NumberRange& range : member.ranges) {
    if (range.low <= message && message <= range.high) return true;
  }
  return false;
}

void P_SuppressionCheck::collect(int message, const U_Location& location, bool firstOnly,
                                 std::vector<std::size_t>& found) const {
  for (const std::vector<Region>& regions : regions_) {
    for (const Region& region : regions) {
      if (!region.contains(location)) continue;
      for (const Member& member : region.members) {
        if (!covers(member, message)) continue;
        found.push_back(member.index);
        if (firstOnly) return;
      }
    }
  }
}

bool P_SuppressionCheck::find(int message, const U_Location& location, std::size_t& index) const {
  std::vector<std::size_t> found;
  for (U_Location at = location; at.isSet(); at = at.inclLoc()) {
    collect(message, at, true, found);
    if (!found.empty()) {
      index = found.front();
      return true;
    }
  }
  return false;
}

std::vector<std::size_t> P_SuppressionCheck::findAll(int message, const U_Location& location) const {
  std::vector<std::size_t> found;
  for (U_Location at = location; at.isSet() && found.empty(); at = at.inclLoc()) collect(message, at, false, found);
  return found;
}
