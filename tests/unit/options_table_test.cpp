#include <gtest/gtest.h>

#include <set>
#include <typeinfo>

#include "options/Options.h"
#include "options/OptionMatch.h"
#include "options/OptionNames.h"
#include "options/ProductTable.h"

namespace {

int indexOf(const char* word) { return zum::findProduct(word); }

}  // namespace

TEST(OptionTable, EachProductAcceptsItsNamesSortedAndLowerCase) {
  const std::pair<const char*, std::size_t> expected[] = {{"ZEKPP", 217}, {"ZEK", 166}, {"KOD", 106}, {"KOJ", 110}};
  for (const auto& [product, count] : expected) {
    const auto names = C_optionNames(indexOf(product));
    EXPECT_EQ(names.size(), count) << product;
    for (std::size_t i = 1; i < names.size(); ++i) {
      EXPECT_LT(names[i - 1].name, names[i].name) << product;  // byte order, no duplicates
    }
    for (const C_OptionName& entry : names) {
      for (char c : entry.name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << entry.name;
    }
  }
  EXPECT_TRUE(C_optionNames(-1).empty());
}

TEST(OptionTable, HoldsAllOptionsOfTheFamilyWithTheirKinds) {
  C_Options options;
  std::set<const C_OptionBase*> all;
  std::map<std::string, int> kinds;
  for (int product = 0; product < zum::kProductCount; ++product) {
    for (const C_OptionName& entry : C_optionNames(product)) {
      C_OptionBase& option = entry.option(options);
      if (all.insert(&option).second) ++kinds[typeid(option).name()];
    }
  }
  EXPECT_EQ(all.size(), 143u);
  EXPECT_EQ(kinds[typeid(C_OptionBool).name()], 59);
  EXPECT_EQ(kinds[typeid(C_OptionInt).name()], 12);
  EXPECT_EQ(kinds[typeid(C_OptionString).name()], 11);
  EXPECT_EQ(kinds[typeid(C_OptionI8NString).name()], 1);
  EXPECT_EQ(kinds[typeid(C_OptionFilename).name()], 15);
  EXPECT_EQ(kinds[typeid(C_OptionStringList).name()], 29);
  EXPECT_EQ(kinds[typeid(C_OptionIntList).name()], 5);
  EXPECT_EQ(kinds[typeid(C_OptionFilenameList).name()], 7);
  EXPECT_EQ(kinds[typeid(C_OptionVia).name()], 2);
  EXPECT_EQ(kinds[typeid(C_OptionEcho).name()], 1);
  EXPECT_EQ(kinds[typeid(C_OptionForget).name()], 1);
}

TEST(OptionTable, DefaultsThatDifferFromTheKind) {
  const C_Options options;
  EXPECT_TRUE(options.dontUseC99DecIntLitTypes().value());
  EXPECT_TRUE(options.expandFileNames().value());
  EXPECT_TRUE(options.metrics().value());
  EXPECT_TRUE(options.strictSignedness().value());
  EXPECT_FALSE(options.help().value());
  EXPECT_EQ(options.maxRecursiveTemplateNestingDepth().value(), 200);
  EXPECT_EQ(options.nameLength().value(), 31);
  EXPECT_EQ(options.pphVersion().value(), 1);
  EXPECT_EQ(options.tabStop().value(), 8);
  EXPECT_EQ(options.xNameLength().value(), 6);
  EXPECT_EQ(options.heap().value(), 512);
  EXPECT_EQ(options.maxCount().value(), 0);
  EXPECT_EQ(options.origSuppressionFile().value(), ".orig");
  EXPECT_EQ(options.style().value(), "exdented");
  EXPECT_EQ(options.kAndR().name(), "k+r");
  EXPECT_EQ(options.crossModuleAnalysisFile().name(), "crossmoduleanalysisfile");
}

TEST(MatchOption, LongestNameIgnoringCase) {
  C_Options options;
  const auto zek = C_optionNames(indexOf("ZEK"));
  const auto expectMatch = [&](std::string_view text, const C_OptionBase& option, std::size_t length) {
    const C_OptionMatch match = matchOption(text, zek, options);
    EXPECT_EQ(match.option, &option) << text;
    EXPECT_EQ(match.length, length) << text;
  };
  expectMatch("help", options.help(), 4);
  expectMatch("HELP", options.help(), 4);
  expectMatch("h", options.help(), 1);
  expectMatch("helpx", options.help(), 4);
  expectMatch("nomsg", options.noMsg(), 5);
  expectMatch("no", options.noMsg(), 2);
  expectMatch("n1234", options.noMsg(), 1);
  expectMatch("nosortx", options.noSort(), 6);
  expectMatch("debugpcom_test", options.debug(), 5);
  expectMatch("dFOO=1", options.d(), 1);
  expectMatch("tab4", options.tabStop(), 3);
  expectMatch("Cmaf", options.crossModuleAnalysisFile(), 4);
  expectMatch("k+r", options.kAndR(), 3);
  EXPECT_EQ(matchOption("", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("zz", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("-x", zek, options).option, nullptr);
  // Names of other products only.
  EXPECT_EQ(matchOption("pluginpath", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("q", C_optionNames(indexOf("KOD")), options).option, nullptr);
  EXPECT_EQ(matchOption("q", zek, options).option, &options.quiet());
}

TEST(ProductTable, WordsAreNormalisedAndLookedUp) {
  EXPECT_EQ(zum::normaliseProductWord("c:\\tools\\zek.exe"), "zek");
  EXPECT_EQ(zum::normaliseProductWord("/opt/bin/ZEK++"), "ZEK++");
  EXPECT_EQ(zum::normaliseProductWord("zekpp/"), "zekpp");
  EXPECT_EQ(indexOf("zek++"), 0);
  EXPECT_EQ(indexOf("ZEKPP"), 0);
  EXPECT_EQ(indexOf("Zek"), 1);
  EXPECT_EQ(indexOf("kod"), 2);
  EXPECT_EQ(indexOf("KOJ"), 3);
  EXPECT_EQ(indexOf("ZEK+"), -1);
  EXPECT_EQ(indexOf("qx"), -1);
  EXPECT_EQ(indexOf(""), -1);
  EXPECT_EQ(zum::ProductTable[indexOf("ZEK")].bit, zum::kProductZek);
}
