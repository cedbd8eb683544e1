// Which suppression records hide a diagnostic: regions with their columns,
// the end-column-0 rule, the include chain, the order of kinds, records
// without an end location.
#include <gtest/gtest.h>

#include "anlsrslt/model/SuppressionCheck.h"
#include "messages/SuppressionRecord.h"
#include "messages_test_support.h"

namespace {

using messagestest::file;

const XF_Filename kMain = file("/p/a.c", "a.c");
const XF_Filename kHeader = file("/p/h.h", "h.h");

U_Location at(int line, int column = 0) { return U_Location(kMain, line, column); }

M_SuppressionRecord record(int kind, U_Location begin, U_Location end, std::vector<M_MessageRange> ranges = {{"1500", "1599"}}) {
  return M_SuppressionRecord(kind, begin, "-e", std::move(ranges), begin, end);
}

// The record that decides, or -1.
int decider(const P_SuppressionCheck& check, int message, const U_Location& location) {
  std::size_t index = 0;
  return check.find(message, location, index) ? static_cast<int>(index) : -1;
}

TEST(SuppressionCheck, RegionWithColumns) {
  P_SuppressionCheck check;
  check.enter(record(1, at(3, 5), at(7, 10)), 0);
  EXPECT_EQ(decider(check, 1503, at(3, 4)), -1);  // before the begin column
  EXPECT_EQ(decider(check, 1503, at(3, 5)), 0);
  EXPECT_EQ(decider(check, 1503, at(5, 0)), 0);   // lines between: any column
  EXPECT_EQ(decider(check, 1503, at(5, 99)), 0);
  EXPECT_EQ(decider(check, 1503, at(7, 10)), 0);
  EXPECT_EQ(decider(check, 1503, at(7, 11)), -1);  // after the end column
  EXPECT_EQ(decider(check, 1503, at(2, 50)), -1);
  EXPECT_EQ(decider(check, 1503, at(8, 0)), -1);
  // Message ranges and files.
  EXPECT_EQ(decider(check, 1600, at(5)), -1);
  EXPECT_EQ(decider(check, 1503, U_Location(kHeader, 5, 0)), -1);
}

TEST(SuppressionCheck, EndColumnZeroEndsWithTheLineBefore) {
  P_SuppressionCheck check;
  check.enter(record(1, at(3), at(7)), 0);
  EXPECT_EQ(decider(check, 1503, at(6, 200)), 0);
  EXPECT_EQ(decider(check, 1503, at(7, 0)), -1);
  // On one line the end column 0 is an ordinary column.
  P_SuppressionCheck oneLine;
  oneLine.enter(record(1, at(4), at(4)), 0);
  EXPECT_EQ(decider(oneLine, 1503, at(4, 0)), 0);
  EXPECT_EQ(decider(oneLine, 1503, at(4, 1)), -1);
}

TEST(SuppressionCheck, RangesOfTheRecord) {
  P_SuppressionCheck check;
  check.enter(record(1, at(1), at(9), {{"1500", "1502"}, {"1510", ""}, {"1520", "1520"}}), 0);
  EXPECT_EQ(decider(check, 1501, at(2)), 0);
  EXPECT_EQ(decider(check, 1503, at(2)), -1);
  EXPECT_EQ(decider(check, 1510, at(2)), 0);
  EXPECT_EQ(decider(check, 1511, at(2)), -1);
  EXPECT_EQ(decider(check, 1520, at(2)), 0);
}

TEST(SuppressionCheck, IncludeChainIsFollowedUpwards) {
  P_SuppressionCheck check;
  check.enter(record(1, at(2), at(4)), 0);
  const U_Location inHeader(kHeader, 20, 0, at(3));
  const U_Location deeper(file("/p/g.h", "g.h"), 5, 0, inHeader);
  EXPECT_EQ(decider(check, 1503, inHeader), 0);
  EXPECT_EQ(decider(check, 1503, deeper), 0);
  EXPECT_EQ(decider(check, 1503, U_Location(kHeader, 20, 0, at(8))), -1);
  // The nearest place that any record covers decides.
  check.enter(record(2, U_Location(kHeader, 1, 0), U_Location(kHeader, 30, 0), {{"1503", "1503"}}), 1);
  EXPECT_EQ(check.findAll(1503, deeper), (std::vector<std::size_t>{1}));
  EXPECT_EQ(check.findAll(1504, deeper), (std::vector<std::size_t>{0}));
}

TEST(SuppressionCheck, KindOneBeforeKindTwoAndOtherKindsIgnored) {
  P_SuppressionCheck check;
  check.enter(record(2, at(1), at(9)), 0);
  check.enter(record(0, at(1), at(9)), 1);
  check.enter(record(3, at(1), at(9)), 2);
  check.enter(record(1, at(4), at(6)), 3);
  check.enter(record(2, at(5), at(5, 3)), 4);
  EXPECT_EQ(decider(check, 1503, at(5)), 3);
  EXPECT_EQ(decider(check, 1503, at(2)), 0);
  EXPECT_EQ(check.findAll(1503, at(5)), (std::vector<std::size_t>{3, 0, 4}));
  EXPECT_TRUE(check.findAll(1503, at(20)).empty());
}

TEST(SuppressionCheck, RecordsWithoutEndCoverTheirBeginPoint) {
  P_SuppressionCheck check;
  check.enter(record(1, at(5, 3), U_Location(), {{"1503", "1503"}}), 0);
  check.enter(record(1, at(5, 3), U_Location(), {{"1504", "1504"}}), 1);
  EXPECT_EQ(decider(check, 1503, at(5, 3)), 0);
  EXPECT_EQ(decider(check, 1504, at(5, 3)), 1);
  EXPECT_EQ(decider(check, 1503, at(5, 4)), -1);
  EXPECT_EQ(decider(check, 1503, at(6, 3)), -1);
  // A later region of the same place does not change them.
  check.enter(record(1, at(5, 3), at(9)), 2);
  EXPECT_EQ(decider(check, 1503, at(5, 3)), 0);
  EXPECT_EQ(decider(check, 1505, at(5, 3)), 2);
  EXPECT_EQ(check.findAll(1503, at(5, 3)), (std::vector<std::size_t>{0, 2}));
}

}  // namespace
