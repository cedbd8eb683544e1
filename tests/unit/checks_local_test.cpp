// Externals used in one file only, and objects used by one function only:
// 1504, 1505, 1514, 1531, 1532 and 1533.
#include "checks/LocalExternal.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using checkstest::entity;

namespace {

class LocalExternal : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureLocalExternal();
  }
};

std::string declaration(const std::string& at, const std::string& name) {
  return at + ": Msg=1594 #params=1 {" + entity(name) + "}";
}
std::string use(const std::string& at) { return at + ": Msg=1579 #params=0"; }

// Two functions of a.c.
const char* const kFunctions =
    "<DEFINE> f() a.c 5 N DC FF F X ()->v -\n"
    "<DEFINE> f() a.c 5 N DF FF F X ()->v -\n"
    "<DEFINE> g() a.c 9 N DC FF F X ()->v -\n"
    "<DEFINE> g() a.c 9 N DF FF F X ()->v -\n";

TEST_F(LocalExternal, AnObjectUsedByFunctionsOfItsOwnFileListsEachUserOnceThenItsDeclarations) {
  runProject({{"a.c", std::string("<DEFINE> g_count a.h 3 I DC -V F X ni -\n") + kFunctions +
                          "<DEFINE> g_count a.c 2 N DF -V F X ni -\n"
                          "<R>X g() g_count 10 R\n"
                          "<R>X f() g_count 6 RW\n"
                          "<R>X g() g_count 11 W\n"}});
  // Users in the order the model created them, each at its first use.
  EXPECT_EQ(findings(), std::vector<std::string>{"a.c:2: Msg=1504 #params=2 {g_count, MsgList={" + use("a.c:6") +
                                                 " ; " + use("a.c:10") + " ; " + declaration("a.h:3", "g_count") +
                                                 "}}"});
}

TEST_F(LocalExternal, SortedListsFollowTheDiagnosticOrder) {
  setSwitches({"sort-messages"});
  runProject({{"a.c", std::string("<DEFINE> g_count a.h 3 I DC -V F X ni -\n") + kFunctions +
                          "<DEFINE> g_count a.c 2 N DF -V F X ni -\n"
                          "<R>X g() g_count 10 R\n"
                          "<R>X f() g_count 6 RW\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{"a.c:2: Msg=1504 #params=2 {g_count, MsgList={" +
                                                 declaration("a.h:3", "g_count") + " ; " + use("a.c:6") + " ; " +
                                                 use("a.c:10") + "}}"});
}

TEST_F(LocalExternal, AnObjectUsedByOneFunctionNamesTheFunction) {
  runProject({{"a.c", "<DEFINE> g_one a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> g_mine a.h 2 I DC -V F X ni -\n"
                      "<DEFINE> g_one a.c 2 N DF -V F X ni -\n"
                      "<DEFINE> g_mine a.c 3 N DF -V F X ni -\n"
                      "<DEFINE> f() a.c 6 N DC FF F X ()->v -\n"
                      "<DEFINE> f() a.c 6 N DF FF F X ()->v -\n"
                      "<R>X f() g_mine 7 R\n"
                      "<R>X f() g_mine 8 W\n"},
              {"b.c", "<DEFINE> g_one a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> user() b.c 4 N DC FF F X ()->v -\n"
                      "<DEFINE> user() b.c 4 N DF FF F X ()->v -\n"
                      "<R>X user() g_one 5 R\n"}});
  // Every declaration is listed, also two at one place from two sources.
  EXPECT_EQ(findings(),
            (std::vector<std::string>{"a.c:2: Msg=1533 #params=3 {g_one, user(), MsgList={" + use("b.c:5") + " ; " +
                                          declaration("a.h:1", "g_one") + " ; " + declaration("a.h:1", "g_one") +
                                          "}}",
                                      "a.c:3: Msg=1514 #params=3 {g_mine, f(), MsgList={" + use("a.c:7") + " ; " +
                                          declaration("a.h:2", "g_mine") + "}}"}));
}

TEST_F(LocalExternal, FunctionsAndObjectsUsedInOneOtherFile) {
  runProject({{"a.c", "<DEFINE> g_two a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> fa() a.h 4 I DC FF F X ()->v -\n"
                      "<DEFINE> fb() a.h 5 I DC FF F X ()->v -\n"
                      "<DEFINE> g_two a.c 1 N DF -V F X ni -\n"
                      "<DEFINE> fa() a.c 5 N DF FF F X ()->v -\n"
                      "<DEFINE> fb() a.c 8 N DF FF F X ()->v -\n"
                      "<DEFINE> ga() a.c 12 N DC FF F X ()->v -\n"
                      "<DEFINE> ga() a.c 12 N DF FF F X ()->v -\n"
                      "<R>C ga() fa() 13 -\n"
                      "<R>X ga() fa() 13 -\n"},
              {"b.c", "<DEFINE> g_two a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> fb() a.h 5 I DC FF F X ()->v -\n"
                      "<DEFINE> h1() b.c 2 N DC FF F X ()->v -\n"
                      "<DEFINE> h1() b.c 2 N DF FF F X ()->v -\n"
                      "<DEFINE> h2() b.c 6 N DC FF F X ()->v -\n"
                      "<DEFINE> h2() b.c 6 N DF FF F X ()->v -\n"
                      "<R>X h1() g_two 3 R\n"
                      "<R>X h2() g_two 7 W\n"
                      "<R>X h2() fb() 8 -\n"}});
  EXPECT_EQ(findings(),
            (std::vector<std::string>{
                "a.c:1: Msg=1531 #params=2 {g_two, MsgList={" + use("b.c:3") + " ; " + use("b.c:7") + " ; " +
                    declaration("a.h:1", "g_two") + " ; " + declaration("a.h:1", "g_two") + "}}",
                "a.c:5: Msg=1505 #params=2 {fa(), MsgList={" + use("a.c:13") + " ; " + declaration("a.h:4", "fa()") +
                    "}}",
                "a.c:8: Msg=1532 #params=2 {fb(), MsgList={" + use("b.c:8") + " ; " + declaration("a.h:5", "fb()") +
                    " ; " + declaration("a.h:5", "fb()") + "}}"}));
}

TEST_F(LocalExternal, ABlockScopeExternDeclarationIsAUseByItsFunction) {
  runProject({{"a.c", "<DEFINE> g_blk a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> g_blk a.c 1 N DF -V F X ni -\n"},
              {"b.c", "<DEFINE> g_blk a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> f() b.c 3 N DC FF F X ()->v -\n"
                      "<DEFINE> f() b.c 3 N DF FF F X ()->v -\n"
                      "<DEFINE> f()::g_blk b.c 4 N DC -V B X ni -\n"
                      "<EXTV> f()::g_blk g_blk 4\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{"a.c:1: Msg=1533 #params=3 {g_blk, f(), MsgList={" + use("b.c:4") +
                                                 " ; " + declaration("a.h:1", "g_blk") + " ; " +
                                                 declaration("a.h:1", "g_blk") + "}}"});
}

TEST_F(LocalExternal, RedeclarationsOnAnotherLineThanTheDefinitionAreListed) {
  runProject({{"a.c", "<DEFINE> g_r a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> g_r a.c 2 N DF -V F X ni -\n"
                      "<DEFINE> g_r a.c 7 N DR -V F X ni -\n"
                      "<DEFINE> g_r a.c 2 N DR -V F X ni -\n"
                      "<DEFINE> f() a.c 8 N DC FF F X ()->v -\n"
                      "<DEFINE> f() a.c 8 N DF FF F X ()->v -\n"
                      "<DEFINE> g() a.c 12 N DC FF F X ()->v -\n"
                      "<DEFINE> g() a.c 12 N DF FF F X ()->v -\n"
                      "<R>X f() g_r 9 R\n"
                      "<R>X g() g_r 13 R\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{"a.c:2: Msg=1504 #params=2 {g_r, MsgList={" + use("a.c:9") + " ; " +
                                                 use("a.c:13") + " ; " + declaration("a.h:1", "g_r") + " ; " +
                                                 declaration("a.c:7", "g_r") + "}}"});
}

TEST_F(LocalExternal, WhatIsUsedInTwoFilesOrIsExcludedIsNotReported) {
  runProject({{"a.c", "<DEFINE> g_both a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> g_both a.c 1 N DF -V F X ni -\n"
                      "<DEFINE> g_decl a.h 2 I DC -V F X ni -\n"
                      "<DEFINE> s_file a.c 3 N DC -V F I ni -\n"
                      "<DEFINE> s_file a.c 3 N DF -V F I ni -\n"
                      "<DEFINE> main() a.c 4 N DC FF F X ()->ni -\n"
                      "<DEFINE> main() a.c 4 N DF FF F X ()->ni -\n"
                      "<DEFINE> ns::@UN1::hidden() a.c 6 N DC FF S X ()->v -\n"
                      "<DEFINE> ns::@UN1::hidden() a.c 6 N DF FF S X ()->v -\n"
                      "<DEFINE> A a.h 7 I DC TG F X {cA} -\n"
                      "<DEFINE> A::m() a.h 8 I DC FF C X ()->v -\n"
                      "<DEFINE> A::m() a.c 9 N DF FF C X ()->v -\n"
                      "<DEFINE> tf<T>() a.c 10 N DC FF F X ()->v -\n"
                      "<DEFINE> tf<T>() a.c 10 N DF FF F X ()->v -\n"
                      "<DEFINE> f() a.c 20 N DC FF F X ()->v -\n"
                      "<DEFINE> f() a.c 20 N DF FF F X ()->v -\n"
                      "<R>X f() g_both 21 R\n"
                      "<R>X f() g_decl 22 R\n"
                      "<R>X f() s_file 23 R\n"
                      "<R>X f() main() 24 -\n"
                      "<R>X f() ns::@UN1::hidden() 25 -\n"
                      "<R>X f() A::m() 26 -\n"
                      "<R>X f() tf<T>() 27 -\n"},
              {"b.c", "<DEFINE> g_both a.h 1 I DC -V F X ni -\n"
                      "<DEFINE> g() b.c 2 N DC FF F X ()->v -\n"
                      "<DEFINE> g() b.c 2 N DF FF F X ()->v -\n"
                      "<R>X g() g_both 3 R\n"}});
  EXPECT_EQ(findings(), std::vector<std::string>{});
}

}  // namespace
