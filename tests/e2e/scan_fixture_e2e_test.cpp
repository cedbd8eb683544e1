// zum-scan over the fixture project (tests/fixtures/scan/cproject): each
// unit's records against those checked by hand in
// tests/fixtures/scan/expected, kind by kind; the order they come in; the
// error files and the list file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "ScanRun.h"

namespace {

using scantest::linesStartingWith;

// The units, by where their files go: the two strings.c get folders of
// their own.
const std::vector<std::string> kUnits = {"main.c", "shapes.c", "util/strings.c", "text/strings.c"};

class ScanFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    result_ = scantest::runScan(scratch_, {"-p", scantest::fixtureDatabaseDir(), "-o", "out", "-j", "2"});
    ASSERT_EQ(result_.exitCode, 0) << result_.err;
  }

  std::string actual(const std::string& unit) const {
    return scantest::replaced(scratch_.read("out/" + unit + ".met"), scantest::fixtureRoot(), "$ROOT");
  }
  static std::string expected(const std::string& unit) {
    return zumtest::readFile(std::filesystem::path(ZUM_FIXTURES_DIR) / "scan" / "expected" / (unit + ".met"));
  }
  void expectRecords(const std::vector<std::string>& kinds) const {
    for (const std::string& unit : kUnits)
      EXPECT_EQ(linesStartingWith(actual(unit), kinds), linesStartingWith(expected(unit), kinds)) << unit;
  }

  zumtest::Scratch scratch_;
  zumtest::RunResult result_;
};

// Each unit's records equal those checked by hand: functions (a
// definition repeats its declaration when the unit has none before it),
// parameters, variables (static ones flagged "S", block-scope extern ones
// with external linkage), typedefs, structs and unions with their members
// (bit-fields "ub"), enums, macros of both kinds, labels; calls (with the
// "X" a call also is), uses with read and write flags, includes,
// initialiser dependencies, EXTV, malloc'd structs; per function STCYC,
// STPAR, STLIN, STCAL and its control graph, per file STFNC and STTLN;
// literals with sign, suffix, kind, type and context. Kind by kind first,
// so that a failure shows the kind, then whole, for the order. And zum
// resolves a name through what the same source declared before it.
TEST_F(ScanFixture, EveryNameIsDeclaredBeforeTheRecordsThatNameIt) {
  for (const std::string& unit : kUnits) {
    const std::string text = actual(unit);
    EXPECT_EQ(text, expected(unit)) << unit;
    std::set<std::string> declared;
    for (const std::string& line : scantest::lines(text)) {
      std::istringstream fields(line);
      std::string tag, first, second;
      fields >> tag >> first >> second;
      if (tag == "<DEFINE>") declared.insert(first);
      if ((tag.starts_with("<R>") && tag != "<R>I") || tag == "<EXTV>") {
        EXPECT_TRUE(declared.count(first)) << unit << ": " << line;
        EXPECT_TRUE(declared.count(second)) << unit << ": " << line;
      }
      const bool graphHeader = tag == "<CTLG>" && !std::isdigit(static_cast<unsigned char>(first[0]));
      if (tag == "<ALLOC>" || graphHeader) {
        EXPECT_TRUE(declared.count(first)) << unit << ": " << line;
      }
    }
  }
}

TEST_F(ScanFixture, ErrorFilesHoldSuppressionCommentsAndTheUnitsOwnDiagnostics) {
  const std::map<std::string, std::string> env = zumtest::standardEnv(scratch_);
  const auto dump = [&](const std::string& unit) {
    return scantest::replaced(zumtest::errDump(scratch_, env, "out/" + unit + ".err").out, scantest::fixtureRoot(),
                              "$ROOT");
  };
  EXPECT_EQ(dump("main.c"),
            "file out/main.c.err: version 8200 (current generation), second header word 0\n"
            "section start\n"
            "end\n");
  EXPECT_EQ(dump("shapes.c"),
            "file out/shapes.c.err: version 8200 (current generation), second header word 0\n"
            "section start\n"
            "suppression record: kind=1 at $ROOT/src/shapes.c:14:32 text=\"zum: suppress 3219\" ranges={3219} "
            "region={$ROOT/src/shapes.c:14}-{$ROOT/src/shapes.c:15}\n"
            "diagnostic: $ROOT/src/shapes.c:45:29: Msg=3670 #params=1 {shape_depth}\n"
            "diagnostic: $ROOT/src/shapes.c:14:13: Msg=3219 #params=1 {forgotten}\n"
            "end\n");
  EXPECT_EQ(dump("text/strings.c"),
            "file out/text/strings.c.err: version 8200 (current generation), second header word 0\n"
            "section start\n"
            "suppression record: kind=2 at $ROOT/src/text/strings.c:1:1 text=\"zum: suppress-begin 1500-1533\" "
            "ranges={1500-1533} region={$ROOT/src/text/strings.c:1}-{$ROOT/src/text/strings.c:4}\n"
            "end\n");
}

TEST_F(ScanFixture, SourcesSharingANameGetOutputDirectoriesOfTheirOwn) {
  const std::string out = scratch_.dir().string() + "/out";
  const std::string root = scantest::fixtureRoot();
  EXPECT_EQ(scantest::linesStartingWith(scratch_.read("out/sources.lst"), {"-", "/"}),
            (std::vector<std::string>{"-outputpath " + out, root + "/src/main.c", root + "/src/shapes.c",
                                      "-outputpath " + out + "/util", root + "/src/util/strings.c",
                                      "-outputpath " + out + "/text", root + "/src/text/strings.c"}));
  EXPECT_NE(result_.err.find("2 sources are named strings.c; each gets its own output directory:\n"),
            std::string::npos)
      << result_.err;
  EXPECT_NE(result_.err.find("[4/4] "), std::string::npos) << result_.err;
  EXPECT_NE(result_.err.find("zum-scan: 4 of 4 units scanned; files in out\n"), std::string::npos) << result_.err;
}

// What the compiler makes no code for is no use: a name cast to void (the
// idiom that keeps a compiler quiet), and the branch of a condition it
// knows that is never taken. The branch's literals are still literals.
TEST(ScanUses, UsesTheCompilerLeavesOutAreNoUses) {
  zumtest::Scratch scratch;
  scratch.write("a.c",
                "int quiet(void);\n"
                "int dead(void);\n"
                "int live(void);\n"
                "int f(int x) {\n"
                "  (void)quiet;\n"
                "  if (__builtin_expect(x == 1, 0)) return 2;\n"
                "  return sizeof(int) == 3 && dead() ? 7 : x > 0 ? live() : sizeof(long) < 4 ? dead() : 8;\n"
                "}\n");
  scantest::writeDatabase(scratch, {"a.c"});
  const auto r = scantest::runScan(scratch, {"-o", "out", "-q"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string records = scratch.read("out/a.c.met");
  EXPECT_EQ(linesStartingWith(records, {"<R>C", "<R>X"}),
            (std::vector<std::string>{"<R>X f f::x 6 R", "<R>X f f::x 7 R", "<R>C f live 7 -", "<R>X f live 7 -"}));
  // A compiler builtin no header declares is no entity of the project.
  EXPECT_EQ(records.find("__builtin"), std::string::npos) << records;
  EXPECT_EQ(linesStartingWith(records, {"<LIT>"}).size(), 8u) << records;  // 1, 0, 2; 3, 7, 0, 4, 8
}

}  // namespace
