// Unused external declarations and definitions: 1500 to 1503 and the count
// of unused function definitions.
#include "checks/UnusedExternal.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using checkstest::entity;
using checkstest::unordered;

namespace {

class UnusedExternal : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureUnusedExternal();
  }
};

TEST_F(UnusedExternal, DefinitionsNobodyRefersToAreReportedWhereTheyAreDefined) {
  runProject({{"a.c",
               "<DEFINE> used() a.h 1 I DC FF F X ()->v -\n"
               "<DEFINE> unusedFn() a.c 3 N DC FF F X ()->v -\n"
               "<DEFINE> unusedFn() a.c 3 N DF FF F X ()->v -\n"
               "<DEFINE> main() a.c 10 N DC FF F X ()->ni -\n"
               "<DEFINE> main() a.c 10 N DF FF F X ()->ni -\n"
               "<DEFINE> lonely a.c 30 N DC -V F X ni -\n"
               "<DEFINE> lonely a.c 30 N DF -V F X ni -\n"
               "<DEFINE> helper() a.c 40 N DC FF F I ()->v -\n"
               "<DEFINE> helper() a.c 40 N DF FF F I ()->v -\n"
               "<R>C main() used() 12 -\n"
               "<R>X main() used() 12 -\n"},
              {"b.c",
               "<DEFINE> used() a.h 1 I DC FF F X ()->v -\n"
               "<DEFINE> used() b.c 5 N DF FF F X ()->v -\n"}});
  // "main", the static helper and the function referred to from a.c are
  // not reported; each report names the entity once.
  EXPECT_EQ(findings(), (std::vector<std::string>{"a.c:3: Msg=1503 #params=1 {unusedFn()}",
                                                  "a.c:30: Msg=1502 #params=1 {lonely}"}));
  EXPECT_EQ(zum::unusedExternalFunctionDefinitions(), 1u);
}

TEST_F(UnusedExternal, ConfiguringTheCheckStartsTheCountAtZero) {
  runProject({{"a.c", "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n<DEFINE> f() a.c 1 N DF FF F X ()->v -\n"}});
  ASSERT_EQ(zum::unusedExternalFunctionDefinitions(), 1u);
  zum::configureUnusedExternal();
  EXPECT_EQ(zum::unusedExternalFunctionDefinitions(), 0u);
}

TEST_F(UnusedExternal, DeclarationsOnlyAreReportedForTheProjectListingEachPlaceOnce) {
  runProject({{"a.c",
               "<DEFINE> g_unused a.h 3 I DC -V F X ni -\n"
               "<DEFINE> g_unused b.h 4 I DC -V F X ni -\n"
               "<DEFINE> lib() a.h 5 I DC FF F X ()->v -\n"},
              {"b.c", "<DEFINE> g_unused a.h 3 I DC -V F X ni -\n"}});
  ASSERT_EQ(findings().size(), 2u);
  EXPECT_EQ(unordered(findings()[0]),
            unordered(":1: Msg=1500 #params=2 {g_unused, MsgList={a.h:3: Msg=1594 #params=1 {" + entity("g_unused") +
                      "} ; b.h:4: Msg=1594 #params=1 {" + entity("g_unused") + "}}}"));
  EXPECT_EQ(findings()[1], ":1: Msg=1501 #params=2 {lib(), MsgList={a.h:5: Msg=1594 #params=1 {" + entity("lib()") +
                               "}}}");
  EXPECT_EQ(zum::unusedExternalFunctionDefinitions(), 0u);
}

TEST_F(UnusedExternal, SortedListsFollowTheDiagnosticOrder) {
  setSwitches({"sort-messages"});
  runProject({{"a.c",
               "<DEFINE> g_unused z.h 9 I DC -V F X ni -\n"
               "<DEFINE> g_unused b.h 4 I DC -V F X ni -\n"
               "<DEFINE> g_unused a.h 7 I DC -V F X ni -\n"}});
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            ":1: Msg=1500 #params=2 {g_unused, MsgList={b.h:4: Msg=1594 #params=1 {" +
                            entity("g_unused") + "} ; a.h:7: Msg=1594 #params=1 {" + entity("g_unused") +
                            "} ; z.h:9: Msg=1594 #params=1 {" + entity("g_unused") + "}}}"}));
}

TEST_F(UnusedExternal, UsesThroughReferencesOrExternVariablesAndNonCandidatesAreNotReported) {
  runProject({{"a.c",
               "<DEFINE> g_ext a.h 1 I DC -V F X ni -\n"
               "<DEFINE> g_ext a.c 2 N DF -V F X ni -\n"
               "<DEFINE> g_ref a.h 2 I DC -V F X ni -\n"
               "<DEFINE> A a.h 3 I DC TG F X {cA} -\n"
               "<DEFINE> A::m() a.h 4 I DC FF C X ()->v -\n"
               "<DEFINE> A::m() a.c 5 N DF FF C X ()->v -\n"
               "<DEFINE> A::s a.h 5 I DC -V C X ni S\n"
               "<DEFINE> A::A() a.h 3 I DI FF C X ()->v -\n"
               "<DEFINE> T a.h 6 I DC TT F N ni -\n"
               "<DEFINE> tf<T>() a.h 8 I DC FF F X ()->v -\n"
               "<DEFINE> E a.h 9 I DC -E F X ni -\n"
               "<DEFINE> s_local a.c 9 N DC -V F I ni -\n"
               "<DEFINE> s_local a.c 9 N DF -V F I ni -\n"},
              {"b.c",
               "<DEFINE> g_ext a.h 1 I DC -V F X ni -\n"
               "<DEFINE> g_ref a.h 2 I DC -V F X ni -\n"
               "<DEFINE> reader() b.c 3 N DC FF F X ()->v -\n"
               "<DEFINE> reader() b.c 3 N DF FF F X ()->v -\n"
               "<DEFINE> main() b.c 10 N DC FF F X ()->ni -\n"
               "<DEFINE> main() b.c 10 N DF FF F X ()->ni -\n"
               "<EXTV> reader() g_ext 4\n"
               "<R>X reader() g_ref 5 R\n"
               "<R>X main() reader() 11 -\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{});
}

TEST_F(UnusedExternal, AnImplicitDefineIsReportedOnlyAsADefinition) {
  // The first implicit define of a source declares, a later one defines.
  runProject({{"a.c",
               "<DEFINE> implicitFn() a.c 2 N DI FF F X ()->v -\n"},
              {"b.c",
               "<DEFINE> twice() b.c 2 N DI FF F X ()->v -\n"
               "<DEFINE> twice() b.c 4 N DI FF F X ()->v -\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{"b.c:4: Msg=1503 #params=1 {twice()}"});
}

}  // namespace
