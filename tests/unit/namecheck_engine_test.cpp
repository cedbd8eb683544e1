// The name check over the defines of a source: which defines are checked,
// each mask word with a define it applies to and one it does not, the
// expressions, rule order, inversion and the messages raised.
#include <sstream>

#include "checks/Reporting.h"
#include "checks_test_support.h"
#include "messages/Output.h"
#include "messages/OutputSimple.h"
#include "namecheck/NameCheck.h"
#include "namecheck/RuleFile.h"

namespace {

class NameCheckTest : public checkstest::ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    // Both ways a finding leaves the check end in one text.
    zum::setFindingSink({});
    M_installDiagnosticOutput(std::make_unique<M_OutputSimple>(out_));
  }

  // The findings of checking the source `met` against the rule lines.
  std::string check(const std::string& rules, const std::string& met) {
    restart();
    out_.str("");
    zum::RuleFileContent content = zum::readRuleText(rules);
    EXPECT_FALSE(content.failed) << content.errors;
    zum::configureNameCheck(std::move(content.rules));
    runProject({{"a.c", met}});
    return out_.str();
  }

  std::ostringstream out_;
};

std::string finding(const std::string& at, const std::string& name, int message = 4800) {
  return at + ": Msg=" + std::to_string(message) + " #params=1 {" + name + "}\n";
}

TEST_F(NameCheckTest, MadeUpNamesLineZeroImplicitDeclarationsAndMainAreNeverChecked) {
  EXPECT_EQ(check("rule={}",
                  "<DEFINE> $anon a.c 1 N DC TG F I {s$anon} -\n"
                  "<DEFINE> zero a.c 0 N DC OV F X ni -\n"
                  "<DEFINE> made a.c 2 N DI OF C X ()vd -\n"
                  "<DEFINE> main a.c 3 N DC OF F X ()ni -\n<DEFINE> main a.c 3 N DF OF F X ()ni -\n"
                  "<DEFINE> 9lives a.c 4 N DC OV F X ni -\n"
                  "<DEFINE> _x a.c 5 N DC OV F X ni -\n"),
            finding("a.c:4", "9lives") + finding("a.c:5", "_x"));
}

// Each mask word: a rule without pattern reports every define it applies
// to, so of the two defines only the first is reported.
TEST_F(NameCheckTest, EachMaskWordSelectsItsDefines) {
  struct Case {
    const char* rule;
    const char* applies;
    const char* doesNot;
  };
  const Case cases[] = {
      {"{'inc':'include'}", "<DEFINE> h a.h 1 I DC OF F X ()vd -", "<DEFINE> m a.c 2 N DC OF F X ()vd -"},
      {"{'inc':'main'}", "<DEFINE> m a.c 1 N DC OF F X ()vd -", "<DEFINE> h a.h 2 I DC OF F X ()vd -"},
      {"{'def':'declaration'}", "<DEFINE> f a.c 1 N DC OF F X ()vd -", "<DEFINE> f a.c 2 N DF OF F X ()vd -"},
      {"{'def':'definition'}", "<DEFINE> f a.c 1 N DF OF F X ()vd -", "<DEFINE> g a.c 2 N DC OF F X ()vd -"},
      // An implicit define defines once its name is declared.
      {"{'def':'DI'}", "<DEFINE> i a.c 1 N DC OF C X ()vd -\n<DEFINE> i a.c 3 N DI OF C X ()vd -",
       "<DEFINE> g a.c 2 N DC OF F X ()vd -"},
      {"{'def':'specialisation'}", "<DEFINE> s a.c 1 N DS OF F X ()vd -", "<DEFINE> g a.c 2 N DC OF F X ()vd -"},
      {"{'scope':'file'}", "<DEFINE> v a.c 1 N DC OV F X ni -", "<DEFINE> f::v a.c 2 N DC OV B N ni -"},
      {"{'scope':'block'}", "<DEFINE> f::v a.c 1 N DC OV B N ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'scope':'prototype'}", "<DEFINE> f::p a.c 1 N DC OV P N ni R", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'scope':'class'}", "<DEFINE> C::m a.c 1 N DC MB C N ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'scope':'template'}", "<DEFINE> T a.c 1 N DC TG T N {cT} -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'scope':'namespace'}", "<DEFINE> ns::v a.c 1 N DC OV S X ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'space':'tag'}", "<DEFINE> S a.c 1 N DC TG F N {sS} -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'space':'typedef'}", "<DEFINE> T a.c 1 N DC OT F N ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'space':'function'}", "<DEFINE> f a.c 1 N DC OF F X ()vd -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'space':'enumerator'}", "<DEFINE> E a.c 1 N DC OE F N ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'space':'macro'}", "<DEFINE> M a.c 1 N DF OM - - - O", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      // A member record outside its class is a member; inside, a variable.
      {"{'space':'member'}", "<DEFINE> S::m a.c 1 N DC MB S N ni -", "<DEFINE> S::c a.c 2 N DC MB C N ni -"},
      {"{'space':'variable'}", "<DEFINE> S::c a.c 1 N DC MB C N ni -", "<DEFINE> S::m a.c 2 N DC MB S N ni -"},
      {"{'linkage':'internal'}", "<DEFINE> s a.c 1 N DC OV F I ni -", "<DEFINE> v a.c 2 N DC OV F X ni -"},
      {"{'linkage':'external'}", "<DEFINE> v a.c 1 N DC OV F X ni -", "<DEFINE> s a.c 2 N DC OV F I ni -"},
      {"{'linkage':'none'}", "<DEFINE> M a.c 1 N DF OM - - - O", "<DEFINE> s a.c 2 N DC OV F I ni -"},
      {"{'flag':'functionmacro'}", "<DEFINE> M a.c 1 N DF OM - - - F", "<DEFINE> N a.c 2 N DF OM - - - O"},
      {"{'flag':'objectmacro'}", "<DEFINE> N a.c 1 N DF OM - - - O", "<DEFINE> M a.c 2 N DF OM - - - F"},
      {"{'flag':'inline'}", "<DEFINE> f a.c 1 N DC OF F X ()vd I", "<DEFINE> g a.c 2 N DC OF F X ()vd -"},
      {"{'flag':'virtual'}", "<DEFINE> C::f a.c 1 N DC OF C X ()vd V", "<DEFINE> C::g a.c 2 N DC OF C X ()vd VP"},
      {"{'flag':'purevirtual'}", "<DEFINE> C::g a.c 1 N DC OF C X ()vd VP", "<DEFINE> C::f a.c 2 N DC OF C X ()vd V"},
      {"{'flag':'staticmember'}", "<DEFINE> C::s a.c 1 N DC MB C X ni S", "<DEFINE> C::m a.c 2 N DC MB C N ni -"},
      {"{'flag':'pod'}", "<DEFINE> P a.c 1 N DC TG F N {sP} D", "<DEFINE> Q a.c 2 N DC TG F N {sQ} -"},
      {"{'flag':'aggregate'}", "<DEFINE> P a.c 1 N DC TG F N {sP} A", "<DEFINE> Q a.c 2 N DC TG F N {sQ} D"},
      {"{'flag':'functionparameter'}", "<DEFINE> f::p a.c 1 N DC OV B N ni R", "<DEFINE> f::q a.c 2 N DC OV B N ni -"},
      {"{'flag':'expublic'}", "<DEFINE> C::a a.c 1 N DC MB C N ni 1", "<DEFINE> C::b a.c 2 N DC MB C N ni 5"},
      {"{'flag':'exprotected'}", "<DEFINE> C::a a.c 1 N DC MB C N ni 2", "<DEFINE> C::b a.c 2 N DC MB C N ni 3"},
      {"{'flag':'exprivate'}", "<DEFINE> C::a a.c 1 N DC MB C N ni 3", "<DEFINE> C::b a.c 2 N DC MB C N ni 7"},
      {"{'flag':'impublic'}", "<DEFINE> C::a a.c 1 N DC MB C N ni 5", "<DEFINE> C::b a.c 2 N DC MB C N ni 1"},
      {"{'flag':'imprivate'}", "<DEFINE> C::a a.c 1 N DC MB C N ni 7", "<DEFINE> C::b a.c 2 N DC MB C N ni 3"},
      {"{'flag':'-'}", "<DEFINE> v a.c 1 N DC OV F X ni -", "<DEFINE> f a.c 2 N DC OF F X ()vd I"},
      {"{'flag':'inline,-'}", nullptr, "<DEFINE> f a.c 2 N DC OF F X ()vd I"},
  };
  for (const Case& c : cases) {
    const std::string met = (c.applies ? std::string(c.applies) + "\n" : "") + c.doesNot + "\n";
    const std::string found = check(std::string("rule=") + c.rule, met);
    EXPECT_EQ(found.find("a.c:2") != std::string::npos || found.find("a.h:2") != std::string::npos, false)
        << c.rule << " applies to " << c.doesNot;
    if (c.applies) {
      EXPECT_NE(found, "") << c.rule << " does not apply to " << c.applies;
    }
  }
  // Both include words: any file.
  EXPECT_EQ(check("rule={'inc':'I N'}", "<DEFINE> h a.h 1 I DC OF F X ()vd -\n<DEFINE> m a.c 2 N DC OF F X ()vd -\n"),
            finding("a.h:1", "h") + finding("a.c:2", "m"));
  // Several words of one mask: any of them.
  EXPECT_EQ(check("rule={'space':'tag function'}",
                  "<DEFINE> S a.c 1 N DC TG F N {sS} -\n<DEFINE> f a.c 2 N DC OF F X ()vd -\n"
                  "<DEFINE> v a.c 3 N DC OV F X ni -\n"),
            finding("a.c:1", "S") + finding("a.c:2", "f"));
}

TEST_F(NameCheckTest, ExpressionsOnTypeFileAndNamespace) {
  const std::string met =
      "<DEFINE> p a.c 1 N DC OV F X *nc -\n"
      "<DEFINE> n inc/b.h 2 I DC OV F X ni -\n"
      "<DEFINE> ns::f a.c 3 N DC OF S X ()vd -\n"
      "<DEFINE> ::@UN7::g a.c 4 N DC OF S I ()vd -\n"
      "<DEFINE> ns::@UN1::h a.c 5 N DC OF S I ()vd -\n";
  EXPECT_EQ(check("rule={'type':'^\\\\*'}", met), finding("a.c:1", "p"));
  EXPECT_EQ(check("rule={'filename':'^b\\\\.h$'}", met), finding("inc/b.h:2", "n"));
  EXPECT_EQ(check("rule={'namespace':'^ns$'}", met), finding("a.c:3", "f"));
  EXPECT_EQ(check("rule={'namespace':'unnamed'}", met), finding("a.c:4", "g"));
  // Names without a namespace part: the rule does not apply.
  EXPECT_EQ(check("rule={'namespace':'.*'}", "<DEFINE> v a.c 1 N DC OV F X ni -\n"), "");
}

TEST_F(NameCheckTest, RulesInOrderWithInversionAndTheirOwnMessages) {
  const std::string met =
      "<DEFINE> Foo a.c 1 N DC OF F X ()vd -\n"
      "<DEFINE> foo a.c 2 N DC OF F X ()vd -\n"
      "<DEFINE> Bar(int) a.c 3 N DC OF F X (ni)vd -\n"
      "<DEFINE> v a.c 4 N DC OV F X ni -\n";
  EXPECT_EQ(check("rule={'space':'function','pattern':'^[a-z]'}", met),
            finding("a.c:1", "Foo") + finding("a.c:3", "Bar"));
  EXPECT_EQ(check("rule={'space':'function','pattern':'^[a-z]','invert':true}", met), finding("a.c:2", "foo"));
  // Rules in file order per define; two rules may report one identifier.
  EXPECT_EQ(check("rule={'space':'OF','pattern':'^[a-z]','message':9001}\n"
                  "# a comment\n"
                  "rule={'pattern':'^.{3,}$'}\n",
                  met),
            finding("a.c:1", "Foo", 9001) + finding("a.c:3", "Bar", 9001) + finding("a.c:4", "v"));
  // The simple identifier is checked, without its parameters.
  EXPECT_EQ(check("rule={'pattern':'^[A-Z][a-z]+$','space':'OF'}", met), finding("a.c:2", "foo"));
}

}  // namespace
