// zum-scan on bad input: a missing or broken compilation database, sources
// that are missing, do not compile or include themselves, a huge generated
// source, names and file names zum's formats must carry, and a scan that is
// interrupted. Each gives a clear message, the rest is still scanned, and
// no half-written file is left for zum to read.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ScanRun.h"

extern char** environ;

namespace {

using scantest::runScan;
using scantest::writeDatabase;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ScanBadInput, ADatabaseThatIsMissingOrNotJson) {
  zumtest::Scratch scratch;
  auto r = runScan(scratch, {"-p", "nowhere"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "zum-scan: no compilation database: nowhere does not exist\n");

  scratch.write("broken/compile_commands.json", "[{\"directory\": \"/tmp\", \"file\": ");
  r = runScan(scratch, {"-p", "broken"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, "zum-scan: cannot read the compilation database broken/compile_commands.json: "))
      << r.err;

  scratch.write("empty/compile_commands.json", "[]");
  r = runScan(scratch, {"-p", "empty"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "zum-scan: the compilation database empty/compile_commands.json names no source\n");

  r = runScan(scratch, {"-p"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "zum-scan: -p needs a value\nTry 'zum-scan --help'.\n");
}

// A missing file, a syntax error and a file that includes itself: each is
// reported with clang's first errors and kept out of the list file; a stale
// metric file of the broken unit goes; the good unit is scanned.
TEST(ScanBadInput, UnitsThatCannotBeScannedAndTheOnesThatCan) {
  zumtest::Scratch scratch;
  scratch.write("good.c", "int good(void) { return 1; }\n");
  scratch.write("broken.c", "int broken(void) { return 1 }\n");
  scratch.write("self.c", "#include \"self.c\"\nint self;\n");
  scratch.write("out/broken.c.met", "<DEFINE> stale stale.c 1 N DF OV F X ni -\n");
  writeDatabase(scratch, {"good.c", "missing.c", "broken.c", "self.c"});
  const auto r = runScan(scratch, {"-o", "out", "-j", "2"});
  EXPECT_EQ(r.exitCode, 1);
  const std::string dir = scratch.dir().string();
  EXPECT_TRUE(contains(r.err, "zum-scan: missing.c: not scanned:\n  the file does not exist or cannot be read\n"))
      << r.err;
  EXPECT_TRUE(contains(r.err, "zum-scan: broken.c: not scanned:\n  " + dir +
                                  "/broken.c:1:28: error: expected ';' after return statement\n"))
      << r.err;
  EXPECT_TRUE(
      contains(r.err, "zum-scan: self.c: not scanned:\n  " + dir + "/self.c:1:10: error: #include nested too deeply\n"))
      << r.err;
  EXPECT_TRUE(contains(r.err, "zum-scan: 1 of 4 units scanned, 3 failed; files in out\n")) << r.err;
  EXPECT_TRUE(scratch.exists("out/good.c.met"));
  EXPECT_FALSE(scratch.exists("out/broken.c.met"));
  const std::string list = scratch.read("out/sources.lst");
  EXPECT_TRUE(contains(list, "\n" + dir + "/good.c\n")) << list;
  EXPECT_TRUE(contains(list, "* not scanned (did not compile): " + dir + "/broken.c\n")) << list;
  EXPECT_FALSE(contains(list, "\n" + dir + "/broken.c\n")) << list;
}

// One expression of 100,000 lines: deep enough to overflow an ordinary
// stack in any recursive walk.
TEST(ScanBadInput, AHundredThousandLineSource) {
  zumtest::Scratch scratch;
  std::string text = "int total(int x) {\n  return x\n";
  for (int i = 0; i < 99'996; ++i) text += "    + " + std::to_string(i % 10) + "\n";
  text += "  ;\n}\n";
  scratch.write("big.c", text);
  writeDatabase(scratch, {"big.c"});
  const auto r = runScan(scratch, {"-o", "out", "-q"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string records = scratch.read("out/big.c.met");
  EXPECT_TRUE(contains(records, "<S>STLIN 100000\n")) << records.substr(0, 400);
  EXPECT_TRUE(contains(records, "<LIT> 5 - - " + scratch.dir().string() + "/big.c 99998 7 N D- ni B X\n"));
}

// UTF-8 identifiers are written as they are, except characters whose bytes
// zum uses to mark lists in names; a file name with a blank is quoted in
// the records and the list file, and zum reads both.
TEST(ScanBadInput, NonAsciiNamesAndFileNamesWithBlanks) {
  zumtest::Scratch scratch;
  scratch.write("my sources/gr\xC3\xBC\xC3\x9F" "e.c",
                "int gr\xC3\xB6\xC3\x9F" "e = 1;\n"
                "int \xC4\x8C" "as(void) { return gr\xC3\xB6\xC3\x9F" "e; }\n");
  writeDatabase(scratch, {"my sources/gr\xC3\xBC\xC3\x9F" "e.c"});
  const auto r = runScan(scratch, {"-o", "out", "-q"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string file = "\"" + scratch.dir().string() + "/my sources/gr\xC3\xBC\xC3\x9F" "e.c\"";
  const std::string records = scratch.read("out/gr\xC3\xBC\xC3\x9F" "e.c.met");
  EXPECT_TRUE(contains(records, "<DEFINE> gr\xC3\xB6\xC3\x9F" "e " + file + " 1 N DF OV F X ni -\n")) << records;
  EXPECT_TRUE(contains(records, "<DEFINE> \\u010Cas " + file + " 2 N DF OF F X ()ni -\n")) << records;
  EXPECT_TRUE(contains(scratch.read("out/sources.lst"), "\n" + file + "\n"));

  const auto zum = zumtest::runZum(scratch, {"ZEK", "-cmaf", "out/project", "-list", "out/sources.lst", "-debug",
                                             "simpleoutput"});
  EXPECT_EQ(zum.exitCode, 0) << zum.err;
  EXPECT_TRUE(contains(zum.out, "gr\xC3\xBC\xC3\x9F" "e.c:2: Msg=1503 #params=1 {\\u010Cas}")) << zum.out;
  EXPECT_TRUE(contains(zum.out, "gr\xC3\xBC\xC3\x9F" "e.c:1: Msg=1514 #params=3 {gr\xC3\xB6\xC3\x9F" "e, \\u010Cas, "))
      << zum.out;
}

TEST(ScanBadInput, MalformedSuppressionCommentsAreReportedAndIgnored) {
  zumtest::Scratch scratch;
  scratch.write("a.c",
                "/* zum: suppress */\n"
                "/* zum: hide 1503 */\n"
                "/* zum: suppress-end */\n"
                "int a; // zum: suppress 1502 because it is kept for later\n");
  writeDatabase(scratch, {"a.c"});
  const auto r = runScan(scratch, {"-o", "out", "-q"});
  EXPECT_EQ(r.exitCode, 0);
  const std::string at = "zum-scan: " + scratch.dir().string() + "/a.c:";
  EXPECT_TRUE(contains(r.err, at + "1: suppression comment ignored: no message numbers\n")) << r.err;
  EXPECT_TRUE(contains(r.err, at + "2: suppression comment ignored: unknown directive 'hide'")) << r.err;
  EXPECT_TRUE(contains(r.err, at + "3: zum: suppress-end without a zum: suppress-begin before it\n")) << r.err;
  const auto dump = zumtest::errDump(scratch, zumtest::standardEnv(scratch), "out/a.c.err");
  EXPECT_TRUE(contains(dump.out, "text=\"zum: suppress 1502 because it is kept for later\" ranges={1502} region={" +
                                      scratch.dir().string() + "/a.c:4}-{" + scratch.dir().string() + "/a.c:5}"))
      << dump.out;
}

// Ctrl-C in the middle: the scan stops with exit code 130, every metric
// file left is a whole one, and the list file is not written.
TEST(ScanBadInput, AnInterruptedScanLeavesNoHalfWrittenFile) {
  zumtest::Scratch scratch;
  std::vector<std::string> sources;
  for (int unit = 0; unit < 12; ++unit) {
    std::string text;
    for (int f = 0; f < 4000; ++f)
      text += "int f" + std::to_string(f) + "(int x) { if (x > " + std::to_string(f) + ") return x; return -x; }\n";
    sources.push_back("u" + std::to_string(unit) + ".c");
    scratch.write(sources.back(), text);
  }
  writeDatabase(scratch, sources);
  const std::string program = zumtest::toolPath("zum-scan");
  std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>("-q"),
                             const_cast<char*>("-o"), const_cast<char*>("out"), const_cast<char*>("-j"),
                             const_cast<char*>("2"), nullptr};
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(scratch.dir());
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ), 0);
  std::filesystem::current_path(here);
  // Interrupted once the first unit is written, with the others under way.
  const auto firstWritten = [&] {
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path("out")))
      if (entry.path().extension() == ".met") return true;
    return false;
  };
  for (int wait = 0; wait < 3000 && !(std::filesystem::exists(scratch.path("out")) && firstWritten()); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ::kill(pid, SIGINT);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 130);
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path("out"))) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    if (name.ends_with(".met")) {
      EXPECT_TRUE(scratch.read("out/" + name).ends_with("<S>STTLN 4000\n")) << name;
    }
  }
  EXPECT_FALSE(scratch.exists("out/sources.lst"));
}

}  // namespace
