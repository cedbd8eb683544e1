#include <gtest/gtest.h>

#include "options/IntervalSet.h"
#include "options/RunSettings.h"
#include "options_test_support.h"

using optionstest::parseArguments;

class OptionParse : public ::testing::Test {
 protected:
  void SetUp() override { zum::ProcessState::reset(); }
  void TearDown() override { zum::ProcessState::reset(); }
};

TEST_F(OptionParse, BooleansTakePlusMinusOrNothing) {
  auto p = parseArguments("ZEK", {"-line-", "-html", "-summ+"});
  EXPECT_FALSE(p.cmdArgs->options().line().value());
  EXPECT_TRUE(p.cmdArgs->options().line().given());
  EXPECT_TRUE(p.cmdArgs->options().html().value());
  EXPECT_TRUE(p.cmdArgs->options().summary().value());
  EXPECT_EQ(p.errors, "");

  p = parseArguments("ZEK", {"-line0", "-helpx", "-line=+"});
  EXPECT_EQ(p.errors,
            "\nERROR: 0 is not a valid argument for option: line\n\n"
            "\nERROR: x is not a valid argument for option: help\n\n"
            "\nERROR: = is not a valid argument for option: line\n\n");
  EXPECT_TRUE(p.cmdArgs->options().line().given());
  EXPECT_FALSE(p.cmdArgs->options().help().value());
  EXPECT_EQ(p.cmdArgs->options().line().valueText(), "- (off)");
}

TEST_F(OptionParse, IntegersReadLikeADecimalStream) {
  const auto value = [](std::vector<std::string> arguments) {
    return parseArguments("ZEK", arguments).cmdArgs->options().tabStop().value();
  };
  EXPECT_EQ(value({"-t", "4"}), 4);
  EXPECT_EQ(value({"-tab", "4"}), 4);
  EXPECT_EQ(value({"-tabstop=4"}), 4);
  EXPECT_EQ(value({"-t4"}), 4);
  EXPECT_EQ(value({"-tabstop", "=4"}), 4);
  EXPECT_EQ(value({"-tabstop", "abc"}), 0);
  EXPECT_EQ(value({"-tabstop", "12abc"}), 12);
  EXPECT_EQ(value({"-tabstop", "  -7"}), -7);
  EXPECT_EQ(value({"-tabstop", "99999999999"}), 2147483647);
}

TEST_F(OptionParse, MissingValueIsAWarningUnlessValueErrorsAreOn) {
  // The texts, and the end of a run with "-eicv", are tested end to end.
  EXPECT_EQ(parseArguments("ZEK", {"a.c", "-tabstop"}).cmdArgs->options().tabStop().value(), 8);
  EXPECT_THROW(parseArguments("ZEK", {"-eicv", "-op"}), C_ValueExpectedException);
}

TEST_F(OptionParse, UnknownArgumentsAreWarningsUnlessArgumentErrorsAreOn) {
  auto p = parseArguments("KOD", {"-q", "x", "-zz9"});
  EXPECT_EQ(p.errors, "\nERROR: Unknown argument: -q\n\n\nERROR: Unknown argument: -zz9\n\n");
  EXPECT_EQ(p.orphans, std::vector<std::string>{"x"});
  try {
    parseArguments("ZEK", {"-zz", "-eica", "-"});
    FAIL();
  } catch (const C_InvalidArgException& error) {
    EXPECT_STREQ(error.what(), "\nERROR: Unknown argument: -\n\n");
  }
  // An unknown argument is no value error.
  EXPECT_NO_THROW(parseArguments("ZEK", {"-eicv", "-zz"}));
}

TEST_F(OptionParse, StringsListsAndFileNames) {
  auto p = parseArguments("ZEKPP", {"-d", "A=1", "-dB", "-deb=x", "-debugpcom_test", "-deb", "pcom_test", "-op",
                                    "c:\\out\\dir", "-q=a\\b.h", "-quiet", "c.h", "-format=%f", "-encoding", "=x"});
  const C_Options& o = p.cmdArgs->options();
  EXPECT_EQ(o.d().values(), (std::vector<U_String>{"A=1", "B"}));
  EXPECT_EQ(o.debug().values(), (std::vector<U_String>{"x", "pcom_test", "pcom_test"}));
  EXPECT_EQ(o.debug().valueText(), "x, pcom_test, pcom_test");
  EXPECT_EQ(o.outputPath().value(), "c:/out/dir");
  EXPECT_EQ(o.quiet().values(), (std::vector<U_String>{"a/b.h", "c.h"}));
  EXPECT_EQ(o.quiet().valueText(";"), "a/b.h;c.h");
  EXPECT_EQ(o.format().value(), "%f");
  EXPECT_EQ(o.encoding().value(), "x");
  const char* const* strings = o.d().cStrings();
  EXPECT_STREQ(strings[0], "A=1");
  EXPECT_STREQ(strings[1], "B");
  EXPECT_EQ(strings[2], nullptr);
}

// Huge ranges are cut with a warning each: the number list test, and a via
// file of ten megabytes end to end.
TEST_F(OptionParse, NumberListsAreIntervalSets) {
  auto p = parseArguments("ZEK", {"-nomsg", "1,3-5;7", "-n", "10-8", "-no=6"});
  const C_OptionIntList& nomsg = p.cmdArgs->options().noMsg();
  EXPECT_EQ(nomsg.valueText(), "1,3-10");
  EXPECT_TRUE(nomsg.contains(1));
  EXPECT_FALSE(nomsg.contains(2));
  EXPECT_TRUE(nomsg.contains(9));
  EXPECT_FALSE(nomsg.contains(11));
}

TEST(IntervalSet, MergesOverlappingAndTouchingRanges) {
  zum::IntervalSet set;
  set.add(10, 20);
  set.add(30, 40);
  set.add(21, 29);
  EXPECT_EQ(set.ranges(), (std::map<int, int>{{10, 40}}));
  set.add(-2147483647 - 1, -5);
  set.add(2147483600, 2147483647);
  set.add(5, 12);
  EXPECT_EQ(set.ranges(), (std::map<int, int>{{-2147483647 - 1, -5}, {5, 40}, {2147483600, 2147483647}}));
  EXPECT_TRUE(set.contains(-2147483647 - 1));
  EXPECT_FALSE(set.contains(0));
  EXPECT_TRUE(set.contains(2147483647));
  set.add(-4, 4);
  EXPECT_EQ(set.ranges().size(), 2u);
}

TEST_F(OptionParse, ForgetallResetsTheNamedOption) {
  auto p = parseArguments("ZEK", {"-nomsg", "12", "-t", "3", "-forgetall", "nomsg", "-f=tab"});
  EXPECT_TRUE(p.cmdArgs->options().noMsg().empty());
  EXPECT_FALSE(p.cmdArgs->options().noMsg().given());
  EXPECT_EQ(p.cmdArgs->options().tabStop().value(), 8);
  EXPECT_FALSE(p.cmdArgs->options().tabStop().given());
  EXPECT_TRUE(p.cmdArgs->options().forgetAll().given());
  p = parseArguments("ZEK", {"-forgetall", "zz", "-forget", "pluginpath"});
  EXPECT_EQ(p.errors,
            "\nERROR: zz is not a valid argument for option: forgetall\n\n"
            "\nERROR: pluginpath is not a valid argument for option: forgetall\n\n");
}

TEST_F(OptionParse, EchoPrintsAndNonOptionsAreOrphans) {
  auto p = parseArguments("ZEK", {"-echo", "hello world", "f.c", "-e=x", "g.c"});
  EXPECT_EQ(p.output, "hello world\nx\n");
  EXPECT_EQ(p.orphans, (std::vector<std::string>{"f.c", "g.c"}));
}

TEST_F(OptionParse, EmptyArgumentEndsTheCommandLineAndNewlinesSplitArguments) {
  auto p = parseArguments("ZEK", {"a.c", "", "b.c"});
  EXPECT_EQ(p.orphans, std::vector<std::string>{"a.c"});
  p = parseArguments("ZEK", {"-t\n5", "x\ny"});
  EXPECT_EQ(p.cmdArgs->options().tabStop().value(), 5);
  EXPECT_EQ(p.orphans, (std::vector<std::string>{"x", "y"}));
}

TEST_F(OptionParse, ViaThatCannotBeOpened) {
  auto p = parseArguments("ZEK", {"-via", "/no/such.via", "-list=/no/list", "-via/no/x"});
  EXPECT_EQ(p.errors,
            "\nERROR: Unable to open /no/such.via\n\n"
            "\nERROR: Unable to open /no/list\n\n"
            "\nERROR: Unable to open /no/x\n\n");
  EXPECT_TRUE(p.cmdArgs->options().via().given());
}

TEST_F(OptionParse, CopiesHaveTheirOwnOptions) {
  auto p = parseArguments("ZEK", {"-nomsg", "5", "-t", "2"});
  C_CmdArgs copy(*p.cmdArgs);
  EXPECT_TRUE(copy.options().noMsg().contains(5));
  EXPECT_TRUE(copy.options().tabStop().given());
  EXPECT_NE(&copy.options(), &p.cmdArgs->options());
  p.cmdArgs->options().noMsg().reset();
  EXPECT_TRUE(copy.options().noMsg().contains(5));
  EXPECT_EQ(copy.product(), "ZEK");
  EXPECT_EQ(copy.productIndex(), p.cmdArgs->productIndex());
}

TEST_F(OptionParse, RunSettingsDefaultToThoseOfNoOptionsAndTakeTheSwitchesByExactName) {
  EXPECT_TRUE(C_readRunSettings(C_Options()) == C_RunSettings());
  EXPECT_TRUE(C_runSettings() == C_RunSettings());  // before any are published

  auto p = parseArguments("ZEK", {"-debug", "formatoutput", "-debug", "SimpleOutput", "-debug", "log-file=a",
                                  "-debug", "log", "-debug", "log-file=b", "-metrics-", "-nomsg", "5"});
  const C_RunSettings settings = C_readRunSettings(p.cmdArgs->options());
  EXPECT_TRUE(settings.textOutput);
  EXPECT_FALSE(settings.simpleOutput);
  EXPECT_EQ(settings.logFile, "a");  // the first name, wherever "log" stands
  EXPECT_FALSE(settings.metrics);
  EXPECT_TRUE(settings.noMsg.contains(5));
  EXPECT_EQ(C_readRunSettings(parseArguments("ZEK", {"-debug", "log-file=a"}).cmdArgs->options()).logFile, "");
  EXPECT_TRUE(C_readRunSettings(parseArguments("ZEK", {"-debug", "no-read-caches"}).cmdArgs->options()).noReadCaches);
}
