// The declaration checks through a whole run: unused externals (1500 to
// 1503) and externals used in one file or by one function (1504, 1505,
// 1514, 1531 to 1533), with what must not be reported beside them: "main",
// statics, members, unnamed namespaces, uses from two files.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::declaredAt;
using moduletest::ProjectRun;

namespace {

std::string list(std::initializer_list<std::string> entries) { return moduletest::messageList(entries); }
std::string used(const std::string& at) { return at + ": Msg=1579 #params=0"; }

// The numbers of these two checks; the project holds others as well
// (duplicate external declarations of its headers).
const std::set<int> kNumbers{1500, 1501, 1502, 1503, 1504, 1505, 1514, 1531, 1532, 1533};

// In the order the checks run, each in the order the symbols were made;
// message lists sorted ("sort-messages").
const std::vector<std::string> kSorted{
    ":1: Msg=1500 #params=2 {g_unused, " +
        list({declaredAt("b.h:2", "g_unused"), declaredAt("a.h:8", "g_unused")}) + "}",
    ":1: Msg=1501 #params=2 {lib, " + list({declaredAt("a.h:9", "lib")}) + "}",
    "a.c:7: Msg=1502 #params=1 {g_lonely}",
    "a.c:50: Msg=1503 #params=1 {unused_fn}",
    // A block-scope extern declaration is an external declaration of its
    // own that nothing refers to.
    ":1: Msg=1500 #params=2 {h1::g_blk, " + list({declaredAt("b.c:21", "h1::g_blk")}) + "}",
    "a.c:2: Msg=1504 #params=2 {g_count, " +
        list({declaredAt("a.h:3", "g_count"), declaredAt("a.h:3", "g_count"), used("a.c:11"), used("a.c:21")}) + "}",
    "a.c:3: Msg=1533 #params=3 {g_one, user, " +
        list({declaredAt("a.h:4", "g_one"), declaredAt("a.h:4", "g_one"), used("b.c:6")}) + "}",
    "a.c:4: Msg=1514 #params=3 {g_mine, f, " +
        list({declaredAt("a.h:5", "g_mine"), declaredAt("a.h:5", "g_mine"), used("a.c:12")}) + "}",
    "a.c:5: Msg=1531 #params=2 {g_two, " +
        list({declaredAt("a.h:6", "g_two"), declaredAt("a.h:6", "g_two"), used("b.c:22"), used("b.c:26")}) + "}",
    "a.c:30: Msg=1505 #params=2 {fa, " +
        list({declaredAt("a.h:10", "fa"), declaredAt("a.h:10", "fa"), used("a.c:22")}) + "}",
    // Sorted by line first: b.c:8 comes before a.h:11.
    "a.c:35: Msg=1532 #params=2 {fb, " + list({used("b.c:8"), declaredAt("a.h:11", "fb"), declaredAt("a.h:11", "fb")}) +
        "}",
    // The extern declaration inside h1 is a use by h1.
    "a.c:9: Msg=1533 #params=3 {g_blk, h1, " +
        list({declaredAt("a.h:17", "g_blk"), declaredAt("a.h:17", "g_blk"), used("b.c:21")}) + "}",
};

TEST(DeclarationChecks, EveryFindingOfTheProjectWithItsListAndNothingElse) {
  ProjectRun project("declarations");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(moduletest::messagesOf(r.findings, kNumbers), kSorted);
}

TEST(DeclarationChecks, UnsortedListsKeepTheOrderTheyWereBuiltIn) {
  ProjectRun project("declarations");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"});
  EXPECT_EQ(moduletest::numbersOf(moduletest::messagesOf(r.findings, kNumbers)), moduletest::numbersOf(kSorted));
  // Unsorted, the uses come in the order of their users, before the
  // declarations.
  EXPECT_EQ(moduletest::messagesOf(r.findings, 1531),
            std::vector<std::string>{"a.c:5: Msg=1531 #params=2 {g_two, " +
                                     list({used("b.c:22"), used("b.c:26"), declaredAt("a.h:6", "g_two"),
                                           declaredAt("a.h:6", "g_two")}) +
                                     "}"});
}

TEST(DeclarationChecks, EveryProductRunsThemAndTheFindingsReachTheProjectErrorFile) {
  ProjectRun project("declarations");
  for (const char* product : {"ZEKPP", "KOD"}) {
    const auto r = project.runSimple(product, {"a.c", "b.c"}, {"-debug", "sort-messages"});
    EXPECT_EQ(moduletest::messagesOf(r.findings, kNumbers), kSorted) << product;
  }
  const auto r = project.run("ZEK", {"a.c", "b.c"});
  EXPECT_EQ(r.exitCode, 0);
  const std::vector<std::string> records = project.dumpErrorFile("out/proj.err");
  // Section start, the findings of these checks first, the later checks', end.
  ASSERT_GE(records.size(), kSorted.size() + 2) << r.err;
  EXPECT_EQ(records[3], "diagnostic: a.c:7: Msg=1502 #params=1 {g_lonely}");
  EXPECT_EQ(records[4], "diagnostic: a.c:50: Msg=1503 #params=1 {unused_fn}");
}

}  // namespace
