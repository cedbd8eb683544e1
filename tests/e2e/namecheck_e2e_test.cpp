// Runs of build/zum with a name rule file: a single-file run checks the
// names of its source through the output's gates, a multi-file run does not
// check names, and a bad rule file stops the run before any source is read.
#include <gtest/gtest.h>

#include "TestText.h"
#include "ZumRunner.h"

namespace {

using zumtest::kUsage;

class NameCheckRun : public zumtest::ZumTest {
 protected:
  NameCheckRun() {
    scratch_.write("out/a.c.met",
                   "<DEFINE> Foo a.c 1 N DC OF F X ()vd -\n"
                   "<DEFINE> foo a.c 2 N DC OF F X ()vd -\n"
                   "<DEFINE> limit a.h 3 I DC OV F X ni -\n"
                   "<DEFINE> g_ok a.h 4 I DC OV F X ni -\n");
    scratch_.write("rules.txt",
                   "# functions in lower case, globals with a prefix\n"
                   "rule={'space':'function','pattern':'^[a-z]'}\n"
                   "rule={'space':'variable','pattern':'^g_','message':4810}\n");
  }

  zumtest::RunResult run(const std::vector<std::string>& options, const std::string& source = "a.c") {
    std::vector<std::string> args = {"ZEK", "-op", "out", "-debug", "simpleoutput"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(source);
    return zumtest::runZum(scratch_, args, env_);
  }

  // The findings of standard output, without the metric lines.
  static std::string findings(const std::string& out) {
    std::string kept;
    for (const std::string& line : zumtest::lines(out))
      if (!line.starts_with("<S>")) kept += line + "\n";
    return kept;
  }
};

const std::string kFoo = "a.c:1: Msg=4800 #params=1 {Foo}\n";
const std::string kLimit = "a.h:3: Msg=4810 #params=1 {limit}\n";

TEST_F(NameCheckRun, ASingleFileRunChecksItsNamesThroughTheOutputGates) {
  zumtest::RunResult r = run({"-nrf", "rules.txt"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(findings(r.out), kFoo + kLimit);
  EXPECT_FALSE(scratch_.exists("out/NameCheckErrors.txt"));

  EXPECT_EQ(findings(run({"-namerulefile=rules.txt", "-nomsg", "4810"}).out), kFoo);
  EXPECT_EQ(findings(run({"-nrf", "rules.txt", "-only", "4810"}).out), kLimit);
  // No rule file, no name check.
  EXPECT_EQ(findings(run({}).out), "");
}

TEST_F(NameCheckRun, AMultiFileRunChecksNoNames) {
  const zumtest::RunResult r = run({"-nrf", "rules.txt", "-cmaf", "out/p"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(findings(r.out).find("Msg=48"), std::string::npos) << r.out;
}

TEST_F(NameCheckRun, ABadRuleFileStopsTheRunWithItsErrorFile) {
  scratch_.write("out/NameCheckErrors.txt", "from an earlier run\n");
  scratch_.write("bad.txt", "rule={'space':'function'}\nrule=nil\n");
  zumtest::RunResult r = run({"-nrf", "bad.txt"});
  EXPECT_EQ(r.exitCode, 10);
  EXPECT_EQ(r.err, "ERROR: Name Checker syntax error in configuration file.\n see out/NameCheckErrors.txt for details\n" +
                       kUsage);
  EXPECT_EQ(findings(r.out), "");
  EXPECT_EQ(scratch_.read("out/NameCheckErrors.txt"), "Line 2 ERROR: option parsing: unrecognised character column: 5\n");

  r = run({"-nrf", "missing.txt"});
  EXPECT_EQ(r.exitCode, 10);
  EXPECT_EQ(scratch_.read("out/NameCheckErrors.txt"), "Cannot open file missing.txt\n");
  EXPECT_EQ(run({"-nrf", "out"}).exitCode, 10);  // a directory is no rule file
  EXPECT_EQ(scratch_.read("out/NameCheckErrors.txt"), "Cannot open file out\n");

  // A good rule file takes the old error file away.
  EXPECT_EQ(run({"-nrf", "rules.txt"}).exitCode, 0);
  EXPECT_FALSE(scratch_.exists("out/NameCheckErrors.txt"));
}

// The sample rules on one source of the bundled example, as the README
// shows them.
TEST_F(NameCheckRun, TheSampleRulesOnTheBundledExample) {
  copyExample("inventory", "out");
  copyExample("naming.json", "naming.json");
  const zumtest::RunResult r = run({"-nrf", "naming.json"}, "util.c");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(findings(r.out),
            "util.h:3: Msg=4806 #params=1 {v}\n"
            "util.c:7: Msg=4806 #params=1 {v}\n"
            "util.h:4: Msg=4806 #params=1 {s}\n"
            "util.c:15: Msg=4806 #params=1 {s}\n"
            "util.c:25: Msg=4806 #params=1 {h}\n");
}

}  // namespace
