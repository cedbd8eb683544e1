// What zum makes of zum-scan's files for the fixture project: the findings
// and project metrics of a whole run, every record kind read back through
// the plug-in interface, and the one-command run.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScanRun.h"

namespace {

using scantest::replaced;

using zumtest::entity;

std::string declared(const std::string& at, const std::string& name) {
  return "$ROOT/" + at + ": Msg=1594 #params=1 {" + entity(name) + "}";
}
std::string used(const std::string& at) { return "$ROOT/" + at + ": Msg=1579 #params=0"; }
std::string called(const std::string& at, const std::string& caller, const std::string& callee) {
  return "$ROOT/" + at + ": Msg=1580 #params=2 {" + entity(caller) + ", " + entity(callee) + "}";
}
std::string list(std::initializer_list<std::string> entries) { return zumtest::messageList(entries); }

class ScanThroughZum : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto scan = scantest::runScan(scratch_, {"-p", scantest::fixtureDatabaseDir(), "-o", "out", "-q"});
    ASSERT_EQ(scan.exitCode, 0) << scan.err;
  }

  // zum over the list file, text output on standard output.
  zumtest::RunResult zum(const std::string& product, std::vector<std::string> extra = {}) const {
    std::vector<std::string> args = {product, "-cmaf", "out/project", "-list", "out/sources.lst", "-debug",
                                     "simpleoutput"};
    args.insert(args.end(), extra.begin(), extra.end());
    auto r = zumtest::runZum(scratch_, args);
    r.out = replaced(r.out, scantest::fixtureRoot(), "$ROOT");
    return r;
  }

  zumtest::Scratch scratch_;
};

TEST_F(ScanThroughZum, FindingsAndProjectMetricsOfTheFixture) {
  const auto r = zum("ZEK", {"-debug", "sort-messages"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::vector<std::string> findings = {
      // Reported at the end of the reading, before the checks of all defines.
      ":1: Msg=1515 #params=2 {strings.c, " +
          list({":1: Msg=1578 #params=1 {$ROOT/src/text/strings.c}", ":1: Msg=1578 #params=1 {$ROOT/src/util/strings.c}"}) +
          "}",
      "$ROOT/src/util/strings.c:1: Msg=1502 #params=1 {strings_unused}",
      "$ROOT/src/util/strings.c:3: Msg=1503 #params=1 {strings_length}",
      "$ROOT/src/text/strings.c:5: Msg=1503 #params=1 {text_buffer}",
      ":1: Msg=1520 #params=1 {" +
          list({called("src/shapes.c:11", "odd", "even"), called("src/shapes.c:12", "even", "odd")}) + "}",
      "$ROOT/src/shapes.c:5: Msg=1504 #params=2 {shape_errors, " +
          list({used("src/shapes.c:19"), declared("include/shapes.h:25", "shape_errors"),
                declared("include/shapes.h:25", "shape_errors"), used("src/shapes.c:39")}) +
          "}",
      // Used through a block-scope extern declaration in main.
      "$ROOT/src/shapes.c:6: Msg=1533 #params=3 {shape_limit, main, " +
          list({used("src/main.c:11"), declared("include/shapes.h:26", "shape_limit"),
                declared("include/shapes.h:26", "shape_limit")}) +
          "}",
      "$ROOT/src/shapes.c:7: Msg=1514 #params=3 {shapes, shape_total, " +
          list({declared("include/shapes.h:27", "shapes"), declared("include/shapes.h:27", "shapes"),
                used("src/shapes.c:50")}) +
          "}",
      "$ROOT/src/shapes.c:16: Msg=1532 #params=2 {shape_new, " +
          list({used("src/main.c:13"), declared("include/shapes.h:29", "shape_new"),
                declared("include/shapes.h:29", "shape_new")}) +
          "}",
      "$ROOT/src/shapes.c:48: Msg=1532 #params=2 {shape_total, " +
          list({used("src/main.c:16"), declared("include/shapes.h:32", "shape_total"),
                declared("include/shapes.h:32", "shape_total")}) +
          "}",
      "$ROOT/src/shapes.c:54: Msg=1505 #params=2 {shape_scale, " +
          list({declared("include/shapes.h:33", "shape_scale"), declared("include/shapes.h:33", "shape_scale"),
                used("src/shapes.c:40")}) +
          "}",
  };
  // Then each external that shapes.h declares for both sources that
  // include it: a duplicate external declaration.
  std::vector<std::string> all = findings;
  for (const char* name : {"shape_count", "shape_errors", "shape_limit", "shapes", "shape_new", "shape_area",
                           "shape_depth", "shape_total", "shape_scale"})
    all.push_back(":1: Msg=1512 #params=2 {" + std::string(name) + ", ");
  std::vector<std::string> lines = scantest::linesStartingWith(r.out, {"$ROOT", ":"});
  for (std::string& line : lines)
    if (line.starts_with(":1: Msg=1512 ")) line = line.substr(0, line.find(", ") + 2);
  EXPECT_EQ(lines, all);
  // STCYA sums the twelve functions' STCYC; STNFA the files' STFNC; STNEA
  // counts two unused functions and main (the unused static function's
  // 3219 is suppressed by its comment); STNRA the cycle and the 3670 of
  // shape_depth's call to itself.
  const std::vector<std::string> metrics = scantest::lines(r.out);
  for (const char* metric : {"<S>STCYA 24", "<S>STNFA 12", "<S>STNEA 3", "<S>STNRA 2"})
    EXPECT_NE(std::find(metrics.begin(), metrics.end(), std::string(metric)), metrics.end()) << metric << "\n" << r.out;
}

TEST_F(ScanThroughZum, ZumReadsEveryRecordKindTheScanWrites) {
  std::vector<std::string> extra = {"-debug", "pcom_test"};
  for (const char* module : {"PT_CTLG", "PT_Relation_C", "PT_Relation_I", "PT_Relation_P", "PT_Relation_V",
                             "PT_Relation_X", "PT_isBitfield", "PT_isLabel", "PT_isUnion", "PT_literalRecord",
                             "PT_Suppression", "PT_FileMetrics", "PT_TypeQueries"}) {
    extra.push_back("-debug");
    extra.push_back(module);
  }
  const auto r = zum("ZEK", extra);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::vector<std::string> printed = scantest::linesStartingWith(r.out, {"PT_"});
  for (const char* expected : {
           "PT_CTLG: shape_total exits 1 lines 48 49 50 50 50 50 51 52 edges 0-1 1-2 2-3 2-6 3-4 3-6 4-5 5-2 6-7",
           "PT_Relation_C: main shape_new 13",
           "PT_Relation_I: $ROOT/include/shapes.h $ROOT/include/config.h 4",
           "PT_Relation_P: shape shape 16",
           "PT_Relation_V: shape point 15",
           "PT_Relation_X: shape_new shape_count 24 read write",
           "PT_isBitfield: shape::visible 1",
           "PT_isLabel: shape_new::fail 1",
           "PT_isUnion: shape::@unnamed_17_3 1",
           "PT_literalRecord: 4 at $ROOT/include/config.h:6:20 type ni kind D context P suffix none in header",
           "PT_literalRecord: 1 at $ROOT/src/shapes.c:40:27 type ni kind D context X suffix none negative",
           "PT_Suppression: kind 2 'zum: suppress-begin 1500-1533' at $ROOT/src/text/strings.c:1:1 from "
           "$ROOT/src/text/strings.c:1:0 to $ROOT/src/text/strings.c:4:0 messages 1500-1533",
           "PT_FileMetrics: $ROOT/src/shapes.c STFNC 8",
       })
    EXPECT_NE(std::find(printed.begin(), printed.end(), std::string(expected)), printed.end()) << expected << "\n"
                                                                                              << r.out;
}

// C allocates one way only ("old"), and a struct has no linkage, so its
// allocations meet only within one source: a record of another kind added
// there must reach zum's allocation check under the struct's name.
TEST_F(ScanThroughZum, AllocationRecordsNameTheAllocatedStruct) {
  std::string shapes = scratch_.read("out/shapes.c.met");
  ASSERT_NE(shapes.find("<ALLOC> shape old "), std::string::npos) << shapes;
  shapes += "<ALLOC> shape array " + scantest::fixtureRoot() + "/src/main.c 13 21\n";
  scratch_.write("out/shapes.c.met", shapes);
  const auto r = zum("ZEKPP");
  EXPECT_NE(r.out.find("$ROOT/include/shapes.h:13: Msg=1530 #params=2 {shape, MsgList={$ROOT/src/shapes.c:17: "
                       "Msg=3968 #params=0 ; $ROOT/src/main.c:13: Msg=3967 #params=0}}"),
            std::string::npos)
      << r.out;
}

TEST_F(ScanThroughZum, AnalyseRunsZumAndShowsTheFindingsAndMetrics) {
  zumtest::RunOptions options;
  options.cwd = scratch_.dir();
  options.env = zumtest::standardEnv(scratch_);
  options.env.erase("ZEKBIN");
  options.env.erase("ZEKPPBIN");
  const auto r = zumtest::run(zumtest::toolPath("zum-scan"),
                              {"-p", scantest::fixtureDatabaseDir(), "-o", "again", "-q", "--analyse",
                               "--zum", ZUM_BINARY},
                              options);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::string out = replaced(r.out, scantest::fixtureRoot(), "$ROOT");
  EXPECT_TRUE(out.starts_with("$ zum ZEK -cmaf again/project -list again/sources.lst\n")) << out;
  EXPECT_NE(out.find("\n$ zum-report again/project.err\n"), std::string::npos) << out;
  const std::vector<std::string> shown = scantest::lines(out);
  EXPECT_NE(std::find_if(shown.begin(), shown.end(),
                         [](const std::string& line) {
                           return line.starts_with("$ROOT/src/shapes.c:54: ") && line.ends_with(" [1505]");
                         }),
            shown.end())
      << out;
  EXPECT_NE(out.find("<S>STCYA 24\n"), std::string::npos) << out;
  // Without compiler directories of their own, the run gets empty ones.
  EXPECT_TRUE(scratch_.exists("again/zumbin/zek.cfg"));
}

}  // namespace
