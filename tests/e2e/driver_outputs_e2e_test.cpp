// Runs of build/zum over a small project: message 1540 for missing files
// through each output kind and its gates, the project error file created and
// appended to run after run, and failures to open it.
#include <gtest/gtest.h>

#include <filesystem>


#include "../unit/messages_test_support.h"
#include "ZumRunner.h"

using messagestest::Bytes;

namespace {

// The project: a.c with both files, b.c without its metric file, c.c without
// its error file; outputs in "out", the project file "out/p".
class DriverOutputs : public zumtest::ZumTest {
 protected:
  DriverOutputs() {
    scratch_.copyFixture("driver");
    // An error file of the current generation without records.
    const std::string empty = Bytes().i32(0x8200).i32(0).u8(1).i32(0).bytes();
    scratch_.write("out/a.c.err", empty);
    scratch_.write("out/b.c.err", empty);
  }

  zumtest::RunResult run(std::vector<std::string> extra) {
    std::vector<std::string> args = {"ZEK", "-cmaf", "out/p", "-op", "out", "a.c", "b.c", "c.c"};
    args.insert(args.end(), extra.begin(), extra.end());
    return zumtest::runZum(scratch_, args, env_);
  }
};

const std::string kMissingMetrics = "out/p:1: Msg=1540 #params=1 {out/b.c.met}\n";
const std::string kMissingErrors = "out/p:1: Msg=1540 #params=1 {out/c.c.err}\n";
// The project metrics of a ZEK run over a project without functions; a
// text output kind prints the metric lines on standard output too.
const std::string kProjectMetrics =
    "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STCYA 0\r\n<S>STNFA 0\r\n<S>STNEA 0\r\n<S>STNRA 0\r\n";

TEST_F(DriverOutputs, SimpleOutputShowsMissingFilesAndTheRunGoesOn) {
  auto r = run({"-debug", "simpleoutput"});
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.exitCode, 0);
  // The project metrics listen for diagnostics of the error files, so c.c's
  // missing one is noticed too; the project's own files (not made by a text
  // output) pass without a word.
  EXPECT_EQ(r.out, kMissingMetrics + kMissingErrors + kProjectMetrics);
  EXPECT_FALSE(scratch_.exists("out/p.err"));
  EXPECT_FALSE(scratch_.exists("out/p.met"));

  r = run({"-debug", "simpleoutput", "-debug", "always_read_errors"});
  EXPECT_EQ(r.out, kMissingMetrics + kMissingErrors + kProjectMetrics);
  EXPECT_EQ(r.exitCode, 0);

  // The format kind writes the same line for a diagnostic without chains.
  EXPECT_EQ(run({"-debug", "textoutput"}).out, kMissingMetrics + kMissingErrors + kProjectMetrics);
}

TEST_F(DriverOutputs, TextOutputGates) {
  // The gates hold back diagnostics only, never the metric lines.
  EXPECT_EQ(run({"-debug", "simpleoutput", "-nomsg", "1540"}).out, kProjectMetrics);
  EXPECT_EQ(run({"-debug", "simpleoutput", "-only", "1503"}).out, kProjectMetrics);
  EXPECT_EQ(run({"-debug", "simpleoutput", "-only", "1540"}).out, kMissingMetrics + kMissingErrors + kProjectMetrics);
  EXPECT_EQ(run({"-debug", "formatoutput", "-q", "out/p"}).out, kProjectMetrics);
  // The project file is the primary file of its messages.
  EXPECT_EQ(run({"-debug", "simpleoutput", "-hdr"}).out, kMissingMetrics + kMissingErrors + kProjectMetrics);
}

TEST_F(DriverOutputs, RunsAppendSectionsToTheProjectErrorFile) {
  // An earlier run left one section.
  scratch_.write("out/p.err", Bytes()
                                  .i32(0x8200).i32(0).u8(1).i32(0)
                                  .u8(2).i32(0).i32(0).str("/w/out/p").str("out/p").i32(1).i32(0).u8(0)
                                  .i32(1700).i32(0).i32(0).i32(0)
                                  .bytes());
  for (int i = 0; i < 2; ++i) {
    const auto r = run({"-debug", "always_read_errors"});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitCode, 0);
  }
  EXPECT_EQ(dump("out/p.err"),
            "file out/p.err: version 8200 (current generation), second header word 0\n"
            "section start\n"
            "diagnostic: out/p:1: Msg=1700 #params=0\n"
            "section start\n"
            "diagnostic: out/p:1: Msg=1540 #params=1 {out/b.c.met}\n"
            "diagnostic: out/p:1: Msg=1540 #params=1 {out/c.c.err}\n"
            "section start\n"
            "diagnostic: out/p:1: Msg=1540 #params=1 {out/b.c.met}\n"
            "diagnostic: out/p:1: Msg=1540 #params=1 {out/c.c.err}\n"
            "end\n");
  // Each run appends its project metrics to the project metric file.
  EXPECT_EQ(scratch_.read("out/p.met"), kProjectMetrics + kProjectMetrics);
}

// A new file of the current generation is what every end-to-end test of a
// check reads back; one of the older generation keeps absolute names.
TEST_F(DriverOutputs, NewProjectErrorFileOfTheOlderGeneration) {
  EXPECT_EQ(run({"-cmaf", "out/q", "-debug", "zekoutput"}).exitCode, 0);
  const std::string absolute = scratch_.path("out/q").string();
  EXPECT_EQ(dump("out/q.err"),
            "file out/q.err: version 7900 (older generation), second header word 0\n"
            "current file: " + absolute + "\n"
            "diagnostic: " + absolute + ":1: Msg=1540 #params=1 {out/b.c.met}\n"
            "diagnostic: " + absolute + ":1: Msg=1540 #params=1 {out/c.c.err}\n"
            "end\n");
}

TEST_F(DriverOutputs, ProjectErrorFileThatCannotBeOpenedEndsTheRun) {
  auto r = ZumTest::run({"ZEK", "-cmaf", "nowhere/p", "-op", "out", "a.c"});
  EXPECT_EQ(r.exitCode, 18);
  EXPECT_EQ(r.err, "Cannot write error file 'nowhere/p.err'.\n  in 'nowhere/p.err': No such file or directory\n");

  // A directory where the project error file should be.
  scratch_.write("out/p.err/inside", "");
  r = run({});
  EXPECT_EQ(r.exitCode, 18);
  EXPECT_EQ(r.err, "Cannot write error file 'out/p.err'.\n  in 'out/p.err': Is a directory\n");
  std::filesystem::remove_all(scratch_.path("out/p.err"));

  scratch_.write("out/p.err", Bytes().i32(0x8100).i32(0).bytes());
  r = run({});
  EXPECT_EQ(r.exitCode, 18);
  EXPECT_EQ(r.err,
            "Cannot append to error file with incorrect version.  Error file has version: 8100. Expected: 8200\n"
            "  in 'out/p.err'\n\n");
}

}  // namespace
