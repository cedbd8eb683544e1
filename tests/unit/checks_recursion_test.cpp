// Recursion: 1521 for self-calls, 1520 for cycles through several
// functions, and the count of cycles.
#include "checks/Recursion.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using checkstest::entity;

namespace {

class Recursion : public ChecksTest {};

std::string call(const std::string& at, const std::string& caller, const std::string& callee) {
  return at + ": Msg=1580 #params=2 {" + entity(caller) + ", " + entity(callee) + "}";
}

const std::map<std::string, std::string> kProject{
    {"a.c", "<DEFINE> f() a.c 2 N DC FF F X ()->v -\n"
            "<DEFINE> g() a.h 1 I DC FF F X ()->v -\n"
            "<DEFINE> f() a.c 2 N DF FF F X ()->v -\n"
            "<R>C f() f() 4 -\n"
            "<R>C f() g() 5 -\n"
            "<R>C f() g() 6 -\n"
            "<R>C f() f() 7 -\n"},
    {"b.c", "<DEFINE> g() a.h 1 I DC FF F X ()->v -\n"
            "<DEFINE> f() a.h 2 I DC FF F X ()->v -\n"
            "<DEFINE> g() b.c 3 N DF FF F X ()->v -\n"
            "<R>C g() f() 8 -\n"}};

TEST_F(Recursion, BothHalvesReportEverySelfCallAndEachCycleOnce) {
  zum::configureDirectRecursion();
  zum::configureIndirectRecursion();
  runProject(kProject);
  // The self-calls as the relations come, then the cycle, whose calls are
  // placed in the file that defines the caller, at the first call's line.
  EXPECT_EQ(findings(),
            (std::vector<std::string>{"a.c:4: Msg=1521 #params=1 {f()}", "a.c:7: Msg=1521 #params=1 {f()}",
                                      ":1: Msg=1520 #params=1 {MsgList={" + call("a.c:5", "f()", "g()") + " ; " +
                                          call("b.c:8", "g()", "f()") + "}}"}));
  EXPECT_EQ(zum::indirectRecursionCount(), 1u);
}

TEST_F(Recursion, TheCProductsHalfReportsNoSelfCall) {
  zum::configureIndirectRecursion();
  runProject(kProject);
  EXPECT_EQ(countOf(1521), 0u);
  EXPECT_EQ(countOf(1520), 1u);
}

TEST_F(Recursion, TheDirectHalfAloneSearchesNoCycleAndCountsNone) {
  zum::configureDirectRecursion();
  runProject(kProject);
  EXPECT_EQ(countOf(1521), 2u);
  EXPECT_EQ(countOf(1520), 0u);
  EXPECT_EQ(zum::indirectRecursionCount(), 0u);
}

TEST_F(Recursion, SortedCallListsFollowTheDiagnosticOrder) {
  setSwitches({"sort-messages"});
  zum::configureIndirectRecursion();
  runProject({{"a.c", "<DEFINE> a() a.c 1 N DC FF F X ()->v -\n"
                      "<DEFINE> b() a.c 2 N DC FF F X ()->v -\n"
                      "<DEFINE> c() a.c 3 N DC FF F X ()->v -\n"
                      "<R>C a() b() 30 -\n"
                      "<R>C b() c() 20 -\n"
                      "<R>C c() a() 10 -\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{":1: Msg=1520 #params=1 {MsgList={" + call("a.c:10", "c()", "a()") +
                                                 " ; " + call("a.c:20", "b()", "c()") + " ; " +
                                                 call("a.c:30", "a()", "b()") + "}}"});
}

TEST_F(Recursion, ACompleteGroupOfThreeYieldsThreeCyclesAndCountsThem) {
  zum::configureIndirectRecursion();
  runProject({{"a.c", "<DEFINE> a() a.c 1 N DC FF F X ()->v -\n"
                      "<DEFINE> b() a.c 2 N DC FF F X ()->v -\n"
                      "<DEFINE> c() a.c 3 N DC FF F X ()->v -\n"
                      "<R>C c() b() 16 -\n"
                      "<R>C a() b() 11 -\n"
                      "<R>C b() c() 14 -\n"
                      "<R>C a() c() 12 -\n"
                      "<R>C c() a() 15 -\n"
                      "<R>C b() a() 13 -\n"}});
  EXPECT_EQ(findings(),
            (std::vector<std::string>{
                ":1: Msg=1520 #params=1 {MsgList={" + call("a.c:11", "a()", "b()") + " ; " +
                    call("a.c:13", "b()", "a()") + "}}",
                ":1: Msg=1520 #params=1 {MsgList={" + call("a.c:11", "a()", "b()") + " ; " +
                    call("a.c:14", "b()", "c()") + " ; " + call("a.c:15", "c()", "a()") + "}}",
                ":1: Msg=1520 #params=1 {MsgList={" + call("a.c:14", "b()", "c()") + " ; " +
                    call("a.c:16", "c()", "b()") + "}}"}));
  EXPECT_EQ(zum::indirectRecursionCount(), 3u);
}

TEST_F(Recursion, ConfiguringTheCycleHalfStartsTheCountAtZero) {
  zum::configureIndirectRecursion();
  runProject(kProject);
  ASSERT_EQ(zum::indirectRecursionCount(), 1u);
  zum::configureIndirectRecursion();
  EXPECT_EQ(zum::indirectRecursionCount(), 0u);
}

TEST_F(Recursion, CallsToNamesTheSourceNeverDeclaredAreDroppedBeforeTheCheckSeesThem) {
  zum::configureDirectRecursion();
  zum::configureIndirectRecursion();
  runProject({{"a.c", "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n"
                      "<R>C f() unknown() 2 -\n"
                      "<R>C unknown() f() 3 -\n"
                      "<R>C f() f( 4 -\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{});
}

}  // namespace
