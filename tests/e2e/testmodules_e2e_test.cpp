// The test modules through a whole run: what each prints of the plug-in
// interface, and how they are switched on.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "ProjectRun.h"

using moduletest::ProjectRun;

namespace {

const char* const kModules[] = {
    "PT_CTLG",         "PT_ConfigureOnSource", "PT_ConfigureOnAllDefine", "PT_ERR",        "PT_FileMetrics",
    "PT_GetZUMOutputPath", "PT_RecursiveMetOutput", "PT_Relation_C", "PT_Relation_I",  "PT_Relation_P",
    "PT_Relation_R",   "PT_Relation_V",        "PT_Relation_X",           "PT_TypeQueries", "PT_isBitfield",
    "PT_isLabel",      "PT_isUnion",           "PT_literalRecord",        "PT_zumOption",  "PT_Suppression",
    "PT_MsgSpecific"};

// tm.c: a union with a bit-field, a struct holding it three ways, two
// arrays, a function with a label that calls itself, two literals, a
// control graph. Its error file: an uncalled function (3219), a recursive
// call in a header (3670), a suppressed and an ordinary finding.
class TestModules : public ::testing::Test {
 protected:
  TestModules() : project_("testmodules") {
    project_.writeErrorFile("tm.c",
                            {{3219, "tm.c", 13, {"run"}},
                             {3670, "tm.h", 9, {"run"}, "tm.c", 1},
                             {2017, "tm.c", 17, {}},
                             {736, "tm.c", 20, {}}},
                            {{"tm.c", 16, 18, "2017", "2017"}});
  }

  // Each module's lines, in the order printed.
  std::map<std::string, std::vector<std::string>> run(const std::vector<std::string>& switches,
                                                      const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = extra;
    for (const std::string& name : switches) args.insert(args.end(), {"-debug", name});
    const auto r = project_.runSimple("ZEK", {"tm.c"}, args);
    EXPECT_EQ(r.run.exitCode, 0) << r.run.err;
    std::map<std::string, std::vector<std::string>> lines;
    for (const std::string& line : r.findings)
      if (line.starts_with("PT_")) lines[line.substr(0, line.find(": "))].push_back(line.substr(line.find(": ") + 2));
    return lines;
  }

  ProjectRun project_;
};

TEST_F(TestModules, EveryModulePrintsWhatItObserves) {
  std::vector<std::string> all{"pcom_test"};
  all.insert(all.end(), std::begin(kModules), std::end(kModules));
  auto lines = run(all, {"-prodoption", "PT_zumOption::Flag+", "-prodoption", "PT_zumOption::Level=3",
                         "-prodoption", "PT_zumOption::Off-", "-prodoption", "Other::Flag+"});
  using Lines = std::vector<std::string>;
  EXPECT_EQ(lines["PT_ConfigureOnSource"], (Lines{"tm.c", "out/proj (project file)"}));
  EXPECT_EQ(lines["PT_CTLG"], Lines{"run exits 1 lines 13 16 17 edges 1-2 2-3"});
  EXPECT_EQ(lines["PT_ConfigureOnAllDefine"],
            (Lines{"U tm.h:2 definition declaration", "U::bits tm.h:3 declaration", "S tm.h:5 definition declaration",
                   "S::u tm.h:6 declaration", "S::r tm.h:7 declaration", "S::p tm.h:8 declaration",
                   "grid tm.c:10 declaration", "open tm.c:11 declaration", "run tm.c:13 definition declaration",
                   "run::again tm.c:15 definition declaration"}));
  // In the order of the lines of the source: the header's finding stands at
  // its include line. The suppressed 2017 does not reach PT_ERR.
  EXPECT_EQ(lines["PT_ERR"], (Lines{"3670 in 'tm.h'", "3219 in 'tm.c'", "736 in 'tm.c'"}));
  EXPECT_EQ(lines["PT_MsgSpecific"], (Lines{"3670 in 'tm.h'", "3219 in 'tm.c'"}));
  EXPECT_EQ(lines["PT_Suppression"], (Lines{"kind 1 'suppress 2017' at tm.c:16:1 from tm.c:16:1 to tm.c:19:0 "
                                             "messages 2017-2017",
                                             "'suppress 2017' suppresses 2017 in 'tm.c'"}));
  EXPECT_EQ(lines["PT_FileMetrics"], (Lines{"tm.h", "tm.c STFNC 1 STLIN 30"}));
  EXPECT_EQ(lines["PT_GetZUMOutputPath"],
            (Lines{"output path out", "output path in text encoding out", "project file out/proj"}));
  EXPECT_EQ(lines["PT_RecursiveMetOutput"], Lines{"run PTREC 13 previous 0"});
  EXPECT_EQ(lines["PT_Relation_C"], Lines{"run run 16 virtual"});
  EXPECT_EQ(lines["PT_Relation_X"], Lines{"run grid 17 read write"});
  EXPECT_EQ(lines["PT_Relation_I"], Lines{"tm.c tm.h 1"});
  EXPECT_EQ(lines["PT_Relation_V"], Lines{"S U 6"});
  EXPECT_EQ(lines["PT_Relation_R"], Lines{"S U 7"});
  EXPECT_EQ(lines["PT_Relation_P"], Lines{"S U 8"});
  EXPECT_EQ(lines["PT_TypeQueries"],
            (Lines{"U type {uU}", "U::bits type nb", "S type {sS}", "S::u type {uU}", "S::r type &{uU}",
                   "S::p type *{uU}", "grid type [10,[20,ni]] array element [20,ni] dimension 10",
                   "open type [?,ni] array element ni undimensioned", "run type ()vd", "run::again type -"}));
  EXPECT_EQ(lines["PT_isBitfield"][1], "U::bits 1");
  EXPECT_EQ(lines["PT_isLabel"][9], "run::again 1");
  EXPECT_EQ(lines["PT_isUnion"][0], "U 1");
  EXPECT_EQ(lines["PT_isUnion"][3], "S::u 0");
  EXPECT_EQ(lines["PT_literalRecord"],
            (Lines{"42UL at tm.c:17:12 type nul kind H context O suffix UL unsigned long",
                   "\"a b\" at tm.h:9:1 type [4,nc] kind S context A suffix none escaped in header"}));
  EXPECT_EQ(lines["PT_zumOption"], (Lines{"Flag+ name Flag true", "Level=3 name Level value 3", "Off- name Off false"}));
}

TEST_F(TestModules, ARunReadsBackTheMetricsTheLastOneWrote) {
  // Written to the project metric file (a text output kind would print it).
  project_.run("ZEK", {"tm.c"}, {"-debug", "pcom_test", "-debug", "PT_RecursiveMetOutput"});
  EXPECT_EQ(run({"pcom_test", "PT_RecursiveMetOutput"})["PT_RecursiveMetOutput"],
            std::vector<std::string>{"run PTREC 13 previous 13"});
}

TEST_F(TestModules, MessageSpecificCallbacksForTheNumbersGivenAsOptions) {
  auto lines = run({"pcom_test", "PT_MsgSpecific"}, {"-prodoption", "PT_MsgSpecific::2017", "-prodoption",
                                                     "PT_MsgSpecific::736"});
  EXPECT_EQ(lines["PT_MsgSpecific"], (std::vector<std::string>{"2017 in 'tm.c' suppressed", "736 in 'tm.c'"}));
}

}  // namespace
