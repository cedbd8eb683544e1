// The declaration checks, for the rules that the end-to-end fixture does
// not reach: the count of unused function definitions, implicit defines,
// class-scope and template defines, repeated uses by one user and
// redeclarations.
#include "checks/LocalExternal.h"
#include "checks/UnusedExternal.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using zumtest::declaredAt;

namespace {

class DeclarationChecks : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureUnusedExternal();
    zum::configureLocalExternal();
  }
};

std::string use(const std::string& at) { return at + ": Msg=1579 #params=0"; }

TEST_F(DeclarationChecks, TheCountOfUnusedFunctionDefinitionsStartsAtZeroWhenConfigured) {
  runProject({{"a.c", "<DEFINE> f a.c 1 N DC OF F X ()vd -\n<DEFINE> f a.c 1 N DF OF F X ()vd -\n"
                      "<DEFINE> v a.c 2 N DC OV F X ni -\n<DEFINE> v a.c 2 N DF OV F X ni -\n"}});
  EXPECT_EQ(findings(), (std::vector<std::string>{"a.c:1: Msg=1503 #params=1 {f}", "a.c:2: Msg=1502 #params=1 {v}"}));
  EXPECT_EQ(zum::unusedExternalFunctionDefinitions(), 1u);
  zum::configureUnusedExternal();
  EXPECT_EQ(zum::unusedExternalFunctionDefinitions(), 0u);
}

TEST_F(DeclarationChecks, ImplicitClassScopeAndTemplateDefinesAreNoCandidates) {
  // The first implicit define of a source declares, a later one defines:
  // only the definition is reported.
  runProject({{"a.c", "<DEFINE> implicitOnce a.c 2 N DI OF F X ()vd -\n"
                      "<DEFINE> A a.h 3 I DC TG F X {cA} -\n"
                      "<DEFINE> A::s a.h 5 I DC OV C X ni S\n"
                      "<DEFINE> A::m a.h 4 I DC OF C X ()vd -\n"
                      "<DEFINE> A::m a.c 5 N DF OF C X ()vd -\n"
                      "<DEFINE> tf<T> a.h 8 I DC OF F X ()vd -\n"
                      "<DEFINE> tf<T> a.c 9 N DF OF F X ()vd -\n"
                      "<DEFINE> f a.c 10 N DC OF F X ()vd -\n<DEFINE> f a.c 10 N DF OF F X ()vd -\n"
                      "<DEFINE> main a.c 20 N DC OF F X ()ni -\n<DEFINE> main a.c 20 N DF OF F X ()ni -\n"
                      "<R>X main f 21 -\n<R>X f A::m 11 -\n<R>X f tf<T> 12 -\n"},
              {"b.c", "<DEFINE> twice b.c 2 N DI OF F X ()vd -\n<DEFINE> twice b.c 4 N DI OF F X ()vd -\n"}});
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            "b.c:4: Msg=1503 #params=1 {twice}",
                            "a.c:10: Msg=1505 #params=2 {f, MsgList={" + use("a.c:21") + "}}"}));
}

TEST_F(DeclarationChecks, AUserIsListedOnceAtItsFirstUseAndRedeclarationsOnOtherLines) {
  runProject({{"a.c", "<DEFINE> g_r a.h 1 I DC OV F X ni -\n"
                      "<DEFINE> g_r a.c 2 N DF OV F X ni -\n"
                      "<DEFINE> g_r a.c 7 N DR OV F X ni -\n"
                      "<DEFINE> g_r a.c 2 N DR OV F X ni -\n"
                      "<DEFINE> f a.c 8 N DC OF F X ()vd -\n<DEFINE> f a.c 8 N DF OF F X ()vd -\n"
                      "<DEFINE> g a.c 12 N DC OF F X ()vd -\n<DEFINE> g a.c 12 N DF OF F X ()vd -\n"
                      "<R>X g g_r 13 R\n<R>X f g_r 9 R\n<R>X g g_r 14 W\n<EXTV> f g_r 10\n"}});
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            "a.c:8: Msg=1503 #params=1 {f}", "a.c:12: Msg=1503 #params=1 {g}",
                            "a.c:2: Msg=1504 #params=2 {g_r, MsgList={" + use("a.c:9") + " ; " + use("a.c:13") +
                                " ; " + declaredAt("a.h:1", "g_r") + " ; " + declaredAt("a.c:7", "g_r") + "}}"}));
}

}  // namespace
