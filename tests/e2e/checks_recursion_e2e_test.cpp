// Recursion through a whole run: self-calls (1521) only for products
// without the C bit, cycles (1520) for every product, counted into STNRA.
#include <gtest/gtest.h>

#include <algorithm>

#include "ProjectRun.h"

using moduletest::entity;
using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

std::string call(const std::string& at, const std::string& caller, const std::string& callee) {
  return at + ": Msg=1580 #params=2 {" + entity(caller) + ", " + entity(callee) + "}";
}
std::string cycle(std::initializer_list<std::string> calls) {
  return ":1: Msg=1520 #params=1 {" + moduletest::messageList(calls) + "}";
}

// f calls itself twice and g (twice, first on line 5); g calls f back;
// a, b and c all call each other. The walk closes f-g, then three of the
// five cycles of a, b and c.
const std::vector<std::string> kCycles{
    cycle({call("a.c:5", "f", "g"), call("b.c:9", "g", "f")}),
    cycle({call("a.c:11", "a", "b"), call("a.c:21", "b", "a")}),
    cycle({call("a.c:11", "a", "b"), call("a.c:22", "b", "c"), call("a.c:31", "c", "a")}),
    cycle({call("a.c:22", "b", "c"), call("a.c:32", "c", "b")}),
};

TEST(Recursion, TheCProductReportsCyclesButNoSelfCall) {
  ProjectRun project("recursion");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(messagesOf(r.findings, 1521), std::vector<std::string>{});
  EXPECT_EQ(messagesOf(r.findings, 1520), kCycles);
  EXPECT_NE(std::find(r.metrics.begin(), r.metrics.end(), "<S>STNRA 4"), r.metrics.end());
}

TEST(Recursion, OtherProductsReportEverySelfCallAtItsLineBeforeTheCycles) {
  ProjectRun project("recursion");
  for (const char* product : {"ZEKPP", "KOD", "KOJ"}) {
    const auto r = project.runSimple(product, {"a.c", "b.c"}, {"-debug", "sort-messages"});
    std::vector<std::string> expected{"a.c:4: Msg=1521 #params=1 {f}", "a.c:7: Msg=1521 #params=1 {f}"};
    expected.insert(expected.end(), kCycles.begin(), kCycles.end());
    std::vector<std::string> recursion;
    for (const std::string& line : r.findings)
      if (line.find(": Msg=152") != std::string::npos) recursion.push_back(line);
    EXPECT_EQ(recursion, expected) << product;
  }
}

TEST(Recursion, UnsortedCallListsFollowTheCycle) {
  ProjectRun project("recursion");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"});
  // From the call that closes back to the start, in call order.
  EXPECT_EQ(messagesOf(r.findings, 1520)[2],
            cycle({call("a.c:11", "a", "b"), call("a.c:22", "b", "c"), call("a.c:31", "c", "a")}));
}

}  // namespace
