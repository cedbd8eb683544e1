// What modules do with diagnostics, suppression records and their options
// through the plug-in interface (the findings every check makes and
// reports are tested end to end), and the assertion texts of misuse of the
// whole interface.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Diagnostic.h"
#include "anlsrslt/model/ModuleOptions.h"
#include "anlsrslt/model/SuppressionRecord.h"
#include "messages/Output.h"
#include "messages/OutputSimple.h"
#include "messages_test_support.h"
#include "run_test_support.h"
#include "util/Exception.h"
#include "util/ProcessState.h"

namespace {

using messagestest::file;

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zum::ProcessState::reset();
    runtest::publishCommandLine({});
    M_installDiagnosticOutput(std::make_unique<M_OutputSimple>(out_));
  }
  void TearDown() override { zum::ProcessState::reset(); }

  // Runs `call`, which must fail an assertion; gives the assertion line
  // with its line number as "N".
  template <class Call>
  std::string assertionOf(Call call) {
    optionstest::Capture errors(std::cerr);
    EXPECT_THROW(call(), U_AssertException);
    return std::regex_replace(errors.text(), std::regex(":[0-9]+: "), ":N: ");
  }

  std::ostringstream out_;
};

std::string assertion(const std::string& unit, const std::string& condition) {
  return "Assertion at " + unit + ":N: Assertion '" + condition + "' failed.\n";
}

TEST_F(PluginTest, WarningADeliveredDiagnosticLeavesItToTheModel) {
  U_Handle<P_Diagnostic> delivered = P_wrapDiagnostic(U_make<M_Diagnostic>(1503, U_Location(file("/p/a.c", "a.c"), 2, 0)));
  PI_warn(delivered.pointer());
  EXPECT_EQ(delivered->refCount(), 1);
  EXPECT_EQ(PI_getDiagnosticID(delivered.pointer()), 1503);
  EXPECT_EQ(out_.str(), "a.c:2: Msg=1503 #params=0\n");
}

class SuppressionRecordTest : public PluginTest {
 protected:
  P_SuppressionRecord* make(int kind, std::vector<M_MessageRange> ranges, U_Location end) {
    const XF_Filename a = file("/p/a.c", "a.c");
    records_.push_back(U_make<P_SuppressionRecord>(
        U_make<M_SuppressionRecord>(kind, U_Location(a, 2, 1), "-e(1500-1502)", std::move(ranges), U_Location(a, 3, 0), end)));
    return records_.back().pointer();
  }
  std::vector<U_Handle<P_SuppressionRecord>> records_;
};

// What the test module PT_Suppression prints of a record (kind, tag, its
// places and ranges) is tested end to end; here, a range without an end, a
// region without an end location, and the tag as one interned text.
TEST_F(SuppressionRecordTest, ARangeOrARegionWithoutAnEnd) {
  P_SuppressionRecord* record = make(1, {{"1500", "1502"}, {"1510", ""}}, U_Location());
  ASSERT_EQ(PI_getSuppressionMessageRangeCount(record), 2);
  EXPECT_EQ(PI_getSuppressionMessageRangeStart(record, 1), 1510);
  EXPECT_EQ(PI_getSuppressionMessageRangeEnd(record, 1), 1510);
  EXPECT_EQ(PI_getSuppressionRecordToLocation(record), nullptr);
  EXPECT_EQ(PI_getSuppressionRecordTag(record), PI_getSuppressionRecordTag(make(0, {}, U_Location())));
}

// Misuse by a module is an assertion naming its unit and condition.
TEST_F(SuppressionRecordTest, MisuseIsAnAssertionOfItsUnit) {
  runtest::publishCommandLine({"-po", "Mod::Flag+", "-po", "Mod::Level=3", "-po", "Mod::Bare"});
  const int it = PI_getFirstOption("Mod");
  PI_OptionHandle flag = PI_getOptionIterData(it);
  PI_getOptionIterNext(it);
  PI_OptionHandle level = PI_getOptionIterData(it);
  PI_getOptionIterNext(it);
  PI_OptionHandle bare = PI_getOptionIterData(it);
  const U_Handle<P_Diagnostic> diagnostic = U_make<P_Diagnostic>(U_Filename(""), U_make<M_Diagnostic>(1), false);
  P_SuppressionRecord* none = make(1, {}, U_Location());
  P_SuppressionRecord* one = make(1, {{"1", "2"}}, U_Location());
  const auto null = [](const char* unit, const char* handle) {
    return assertion(unit, std::string("0 != ") + handle + " && \"Dont dereference 0.\"");
  };
  const auto outOfRange = assertion("SuppressionRecord", "index < supp->m_messageRanges.size() && \"Index out of range\"");
  const auto nil = assertion("SuppressionRecord", "0 != supp && \"Suppression record handle is nil\"");
  const auto valueOption = assertion("Option", "(' ' == sep || '=' == sep) && \"Value options should be:  option[ |=].*\"");
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] { PI_getDiagnosticID(nullptr); }, null("Diagnostic", "diag")},
      {[] { PI_getDiagnosticFilename(nullptr); }, null("Diagnostic", "diag")},
      {[] { PI_warn(nullptr); }, null("Diagnostic", "diag")},
      {[] { PI_getDiagnosticAsString(nullptr, "%t"); },
       assertion("ErrorFileReader", "0 != han && \"Dont dereference 0 in Diagnostic handle.\"")},
      {[&] { PI_getDiagnosticAsString(diagnostic.pointer(), nullptr); },
       assertion("ErrorFileReader", "0 != format && \"Dont dereference 0 in string pointer.\"")},
      {[] { PI_createDiagnostic(1503, nullptr, 1); },
       assertion("P_Diagnostic", "m_filename.isSet () && \"Null string for object.\"")},
      {[&] { PI_getSuppressionMessageRangeStart(none, 0); }, outOfRange},
      {[&] { PI_getSuppressionMessageRangeEnd(one, -1); }, outOfRange},
      {[] { PI_getSuppressionRecordKind(nullptr); },
       assertion("SuppressionRecord", "0 != supp && \"Suppression record handle is 0\"")},
      {[] { PI_getSuppressionRecordTag(nullptr); }, nil},
      {[] { PI_getSuppressionMessageRangeCount(nullptr); }, nil},
      {[] { PI_getSuppressionMessageRangeStart(nullptr, 0); }, nil},
      {[] { PI_getSuppressionRecordTagLocation(nullptr); }, null("SuppressionRecord", "supp")},
      {[] { PI_getSuppressionRecordFromLocation(nullptr); }, null("SuppressionRecord", "supp")},
      {[] { PI_getSuppressionRecordToLocation(nullptr); }, null("SuppressionRecord", "supp")},
      {[&] { PI_isOptionTrue(level); },
       assertion("Option", "(0 == sep || '+' == sep || '-' == sep) && \"Boolean options should be:  option[+|-]+\"")},
      {[&] { PI_getOptionValue(flag); }, valueOption},
      {[&] { PI_getOptionValue(bare); }, valueOption},
      {[] { PI_getFirstOption(nullptr); },
       assertion("Option", "0 != value && \"Do not call getFirstOption with a null option\"")},
      {[] { PI_getDefineQualName(nullptr); }, null("DefineRecord", "def")},
      {[] { PI_isDefineMacro(nullptr); }, null("DefineRecord", "def")},
      {[] { PI_getSymbolCurrentDefine(nullptr); }, null("P_Symbol", "han")},
      {[] { PI_getSymbolFirstDefine(nullptr); }, null("P_Symbol", "han")},
      // Symbol handles given to the store queries are symbol accessors too.
      {[] { PI_hasRelationRefersSubject(nullptr); }, null("P_Symbol", "han")},
      {[] { PI_hasExternVarSubject(nullptr); }, null("P_Symbol", "han")},
      {[] { PI_getRelationLine(nullptr); }, null("RelationRecord", "rel")},
      {[] { PI_getRelationIncludeLine(nullptr); }, null("RelationInclude", "rel")},
      {[] { PI_getExternVarLine(nullptr); }, null("ExternVarRecord", "han")},
      {[] { PI_isAllocKindOld(nullptr); }, null("AllocRecord", "han")},
      {[] { PI_isLiteralHex(nullptr); }, null("LiteralRecord", "han")},
      {[] { PI_getControlGraphExits(nullptr); }, null("ControlGraphRecord", "grph")},
      {[] { PI_getFirstControlGraphEdge(nullptr); }, null("ControlGraphRecord", "grph")},
      {[] { PI_getControlGraphEdgeEnd(nullptr); }, null("ControlGraphRecord", "edge")},
      {[] { PI_getLocationColumn(nullptr); }, null("Location", "loc")},
      {[] { PI_getSourceFilename(nullptr); }, null("SourceFileReader", "src")},
      // Also in a run without a cross-module file, where the answer would be false anyway.
      {[] { PI_isSourceCrossModuleFilename(nullptr); }, null("SourceFileReader", "src")},
      {[] { PI_getScopeEnclSymbol(nullptr); }, assertion("ScopeEnclSymbol", "0 != scope && \"Scope is unset\"")},
  };
  for (const auto& [call, text] : cases) EXPECT_EQ(assertionOf(call), text);
}

std::vector<std::string> optionsOf(const char* key) {
  std::vector<std::string> values;
  for (int it = PI_getFirstOption(key); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it))
    values.push_back(PI_getOption(PI_getOptionIterData(it)));
  return values;
}

TEST_F(PluginTest, ModuleOptionsComeFromProdOptionKeyValues) {
  runtest::publishCommandLine({"-po", "Mod::Flag+", "-zo", "Other::x", "-po", "Mod::Off-", "-po", "Mod::",
                               "-po", "plain", "-po", "Mod::Level=3", "-po", "Mod::Level::deep", "-po", "Mod::Bare"});
  EXPECT_EQ(optionsOf("Mod"), (std::vector<std::string>{"Flag+", "Off-", "Level=3", "Level::deep", "Bare"}));
  EXPECT_EQ(optionsOf("Other"), (std::vector<std::string>{"x"}));
  EXPECT_TRUE(optionsOf("Unknown").empty());
  EXPECT_TRUE(optionsOf("plain").empty());

  // The names, signs and values of Flag+, Off- and Level=3 as the test
  // module PT_zumOption shows them are tested end to end.
  const int it = PI_getFirstOption("Mod");
  PI_getOptionIterNext(it);
  PI_getOptionIterNext(it);
  PI_OptionHandle level = PI_getOptionIterData(it);
  EXPECT_EQ(PI_getOptionValue(level), PI_getOptionValue(PI_getOptionIterData(it)));
  PI_getOptionIterNext(it);
  PI_getOptionIterNext(it);
  PI_OptionHandle bare = PI_getOptionIterData(it);
  EXPECT_STREQ(PI_getOptionName(bare), "Bare");
  EXPECT_TRUE(PI_isOptionTrue(bare));
  EXPECT_TRUE(PI_getOptionIterNext(it));
}

TEST(ModuleOptions, SeparatorsSplitNameAndValue) {
  const auto mode = zum::splitOptionValue("Mode fast-and=loose");
  EXPECT_EQ(mode.name, "Mode");
  EXPECT_EQ(mode.separator, ' ');
  EXPECT_EQ(mode.value, "fast-and=loose");
  const auto plain = zum::splitOptionValue("Plain");
  EXPECT_EQ(plain.name, "Plain");
  EXPECT_EQ(plain.separator, 0);
}

TEST_F(PluginTest, OptionTableIsBuiltOnceUnlessAlwaysFirst) {
  runtest::publishCommandLine({"-po", "Mod::A"});
  EXPECT_EQ(optionsOf("Mod"), (std::vector<std::string>{"A"}));
  runtest::publishCommandLine({"-po", "Mod::B"});
  EXPECT_EQ(optionsOf("Mod"), (std::vector<std::string>{"A"}));
  runtest::publishCommandLine({"-po", "Mod::C", "-debug", "always-first"});
  // An iteration begun over the earlier table stays valid.
  const int it = PI_getFirstOption("Mod");
  EXPECT_EQ(optionsOf("Mod"), (std::vector<std::string>{"C"}));
  EXPECT_STREQ(PI_getOptionIterData(it), "C");
}

}  // namespace
