// The redeclaration checks through a whole run: typedef names reused
// (1506 to 1508), duplicate definitions (1509), incompatible declarations
// (1510) and duplicate external declarations (1512, 1513), each beside
// what must not be reported: a typedef of one header included twice, an
// inline function of a header, statics of two sources, an array declared
// without its dimension, one declaration and several definitions.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::declaredAt;
using moduletest::definedAt;
using moduletest::ProjectRun;

namespace {

std::string list(std::initializer_list<std::string> entries) { return moduletest::messageList(entries); }
std::string listed(const std::string& at, const std::string& kind) {
  return at + ": Msg=1581 #params=2 {" + kind + ", definition}";
}

const std::set<int> kNumbers{1506, 1507, 1508, 1509, 1510, 1512, 1513};

// In the order the checks run; lists sorted ("sort-messages").
const std::vector<std::string> kSorted{
    // T of int in two headers; U of one header included twice is not.
    ":1: Msg=1508 #params=2 {T, " + list({listed("types1.h:2", "Typedef"), listed("types2.h:2", "Typedef")}) + "}",
    // W of int and of long, one place each: no 1508.
    ":1: Msg=1507 #params=2 {W, " + list({listed("a.c:5", "Typedef"), listed("b.c:5", "Typedef")}) + "}",
    ":1: Msg=1506 #params=2 {V, " + list({listed("a.c:6", "Typedef"), listed("b.c:6", "Variable")}) + "}",
    // A definition in a header that two sources include is one place.
    ":1: Msg=1509 #params=2 {g_hdr, " + list({definedAt("common.h:3", "g_hdr")}) + "}",
    ":1: Msg=1509 #params=2 {g_twice, " + list({definedAt("a.c:9", "g_twice"), definedAt("b.c:9", "g_twice")}) + "}",
    // arr: [?,ni] fits [10,ni]; arr2: [5,ni] does not fit [10,ni].
    ":1: Msg=1510 #params=2 {arr2, " + list({declaredAt("a.c:12", "arr2"), declaredAt("b.c:12", "arr2")}) + "}",
    ":1: Msg=1510 #params=2 {num, " + list({declaredAt("a.c:13", "num"), declaredAt("b.c:13", "num")}) + "}",
    // Declared in two headers, by another source and defined once.
    ":1: Msg=1512 #params=2 {ext_fn, " +
        list({declaredAt("one.h:1", "ext_fn"), declaredAt("two.h:1", "ext_fn"), declaredAt("b.c:16", "ext_fn"),
              declaredAt("a.c:20", "ext_fn")}) +
        "}",
    // Each declared by a.c and declared and defined by b.c.
    ":1: Msg=1512 #params=2 {arr, " + list({declaredAt("a.c:11", "arr"), declaredAt("b.c:11", "arr")}) + "}",
    ":1: Msg=1512 #params=2 {arr2, " + list({declaredAt("a.c:12", "arr2"), declaredAt("b.c:12", "arr2")}) + "}",
    ":1: Msg=1512 #params=2 {num, " + list({declaredAt("a.c:13", "num"), declaredAt("b.c:13", "num")}) + "}",
    ":1: Msg=1512 #params=2 {same, " + list({declaredAt("a.c:14", "same"), declaredAt("b.c:14", "same")}) + "}",
    // Declared twice and never defined.
    ":1: Msg=1512 #params=2 {ext_undef, " +
        list({declaredAt("a.c:15", "ext_undef"), declaredAt("b.c:15", "ext_undef")}) + "}",
    ":1: Msg=1513 #params=2 {ext_undef, " +
        list({declaredAt("a.c:15", "ext_undef"), declaredAt("b.c:15", "ext_undef")}) + "}",
};

TEST(RedeclarationChecks, EveryFindingWithItsListAndNothingForTheTwins) {
  ProjectRun project("redeclarations");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(moduletest::messagesOf(r.findings, kNumbers), kSorted);
}

TEST(RedeclarationChecks, UnsortedListsKeepTheOrderOfTheModelAndEveryProductRunsThem) {
  ProjectRun project("redeclarations");
  for (const char* product : {"ZEK", "ZEKPP", "KOJ"}) {
    const auto r = project.runSimple(product, {"a.c", "b.c"});
    const std::vector<std::string> found = moduletest::messagesOf(r.findings, kNumbers);
    EXPECT_EQ(moduletest::numbersOf(found), moduletest::numbersOf(kSorted)) << product;
    // The defines that are no typedefs come first; declarations in the
    // order they were read.
    EXPECT_EQ(moduletest::messagesOf(found, 1506),
              std::vector<std::string>{":1: Msg=1506 #params=2 {V, " +
                                       list({listed("b.c:6", "Variable"), listed("a.c:6", "Typedef")}) + "}"});
    EXPECT_EQ(moduletest::messagesOf(found, 1512).front(),
              ":1: Msg=1512 #params=2 {ext_fn, " +
                  list({declaredAt("one.h:1", "ext_fn"), declaredAt("two.h:1", "ext_fn"),
                        declaredAt("a.c:20", "ext_fn"), declaredAt("b.c:16", "ext_fn")}) +
                  "}");
  }
}

}  // namespace
