// The two halves of the recursion check share one callback: each half
// works only when configured, and the cycle count belongs to the cycle half.
#include "checks/Recursion.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;

namespace {

const std::map<std::string, std::string> kProject{
    {"a.c", "<DEFINE> f a.c 2 N DC OF F X ()vd -\n<DEFINE> g a.c 3 N DC OF F X ()vd -\n"
            "<R>C f f 4 -\n<R>C f g 5 -\n<R>C g f 8 -\n"}};

class RecursionHalves : public ChecksTest {};

TEST_F(RecursionHalves, TheSelfCallHalfAloneSearchesNoCycle) {
  zum::configureDirectRecursion();
  runProject(kProject);
  EXPECT_EQ(findings(), std::vector<std::string>{"a.c:4: Msg=1521 #params=1 {f}"});
  EXPECT_EQ(zum::indirectRecursionCount(), 0u);
}

TEST_F(RecursionHalves, TheCycleHalfCountsItsCyclesFromZero) {
  zum::configureIndirectRecursion();
  runProject(kProject);
  EXPECT_EQ(countOf(1521), 0u);
  EXPECT_EQ(countOf(1520), 1u);
  EXPECT_EQ(zum::indirectRecursionCount(), 1u);
  zum::configureIndirectRecursion();
  EXPECT_EQ(zum::indirectRecursionCount(), 0u);
}

}  // namespace
