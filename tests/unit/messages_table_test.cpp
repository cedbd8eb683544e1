// The message file reader and the message table: the file syntax, the
// replacement rule, bad lines, loading of the installation's and the user's
// file, and the run's table as PI_getDiagnosticAsString sees it (the
// levels a run takes from it are tested end to end).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Diagnostic.h"
#include "messages/DiagnosticFormat.h"
#include "messages/FormatParseException.h"
#include "messages/MessageCatalog.h"
#include "messages/MessageFile.h"
#include "options/ProductTable.h"
#include "options/TextTranslation.h"
#include "run_test_support.h"

namespace {

struct Read {
  M_MessageTable table;
  std::string warnings;
};

Read readText(const std::string& text, bool standard = false) {
  Read read{M_MessageTable(standard), ""};
  std::istringstream in(text);
  std::ostringstream warnings;
  M_readMessageFile(in, "m.msg", read.table, warnings);
  read.warnings = warnings.str();
  return read;
}

std::string textOf(const M_MessageTable& table, int number) {
  const M_MessageEntry& entry = table.entry(number);
  return entry.levelName + "|" + entry.text + "|" + entry.secondText;
}

}  // namespace

TEST(MessageFile, Syntax) {
  const Read read = readText(
      "* a comment\r\n"
      "\n"
      "#define info 1 For your information\n"
      "#define warning 4\n"
      "#levelname 4 warning shown\n"
      "1500 warning Object '%1s' is declared but not used.@@Remove it.@@Or not.\r\r\n"
      "1501\tinfo\t  Tab separated\n"
      "1502 warning first \\\n"
      "second\\\\\n"
      "hint\n"
      "1503 custom\n"
      "#pragma once\n");
  EXPECT_EQ(read.warnings, "Warning - Unknown directive '#pragma'\n");
  EXPECT_EQ(textOf(read.table, 1500), "warning|Object '%1s' is declared but not used.|Remove it.@@Or not.");
  EXPECT_EQ(textOf(read.table, 1501), "info|Tab separated|");
  EXPECT_EQ(textOf(read.table, 1502), "warning|first second|hint");
  EXPECT_EQ(textOf(read.table, 1503), "custom||");
  EXPECT_EQ(textOf(read.table, 1), "fatal|Unknown error|");
  EXPECT_EQ(read.table.messageLevel(1500), 4);
  EXPECT_EQ(read.table.messageLevel(1501), 1);
  EXPECT_EQ(read.table.messageLevel(1503), 99);  // a level no "#define" gave
  EXPECT_EQ(read.table.messageLevel(1), 99);
  EXPECT_EQ(read.table.levelDisplayName(4), "warning shown");
  EXPECT_EQ(read.table.levelDisplayName(1), "");
  EXPECT_EQ(read.table.size(), 4u);
}

TEST(MessageFile, ReplacementByLevelUnderStandard) {
  const std::string levels = "#define low 1\n#define high 5\n";
  const std::string twice = levels + "1 high first\n1 low second\n2 low first\n2 high second\n3 low first\n3 low second\n";
  const Read off = readText(twice, false);
  EXPECT_EQ(textOf(off.table, 1), "low|second|");
  EXPECT_EQ(textOf(off.table, 2), "low|first|");
  EXPECT_EQ(textOf(off.table, 3), "low|first|");
  const Read on = readText(twice, true);
  EXPECT_EQ(textOf(on.table, 1), "high|first|");
  EXPECT_EQ(textOf(on.table, 2), "high|second|");
  EXPECT_EQ(textOf(on.table, 3), "low|first|");
}

TEST(MessageFile, BadLinesAreSkippedWithAWarning) {
  std::string text =
      "#define warning 4\n"
      "junk here\n"
      "12x warning glued\n"
      "99999999999 warning too big\n"
      "1504\n"
      "1505 warning bin\x01ry\n"
      "#define\n"
      "#define noisy\n"
      "#levelname x\n"
      "1506 warning " + std::string(kMaxMessageLineLength, 'x') + "\n"
      "1507 warning kept\n"
      "1508 warning continued at the end \\";
  text.insert(text.find("junk"), std::string("\0\0\xff\n", 4));
  const Read read = readText(text);
  EXPECT_EQ(read.warnings,
            "Warning - Message file 'm.msg' line 2 skipped: binary bytes\n"
            "Warning - Message file 'm.msg' line 3 skipped: no message number\n"
            "Warning - Message file 'm.msg' line 4 skipped: no message number\n"
            "Warning - Message file 'm.msg' line 5 skipped: message number out of range\n"
            "Warning - Message file 'm.msg' line 6 skipped: no level name\n"
            "Warning - Message file 'm.msg' line 7 skipped: binary bytes\n"
            "Warning - Message file 'm.msg' line 8 skipped: #define without a level name\n"
            "Warning - Message file 'm.msg' line 9 skipped: #define without a level number\n"
            "Warning - Message file 'm.msg' line 10 skipped: #levelname without a level number\n"
            "Warning - Message file 'm.msg' line 11 skipped: longer than 65536 bytes\n"
            "Warning - Message file 'm.msg' ends in a continued line\n");
  EXPECT_EQ(textOf(read.table, 1507), "warning|kept|");
  EXPECT_EQ(textOf(read.table, 1508), "warning|continued at the end |");
  EXPECT_EQ(read.table.size(), 2u);

  // A file of junk says how many lines it skipped after the first twenty.
  std::string junkLines = std::string(1000, '\x02') + "\n";
  for (int i = 0; i < 21; ++i) junkLines += "junk\n";
  const Read junk = readText(junkLines);
  EXPECT_EQ(junk.warnings.find("Warning - Message file 'm.msg' line 1 skipped: binary bytes\n"), 0u);
  EXPECT_NE(junk.warnings.find("line 20 skipped: no message number\n"), std::string::npos);
  EXPECT_EQ(junk.warnings.find("line 21 skipped"), std::string::npos);
  EXPECT_NE(junk.warnings.find("Warning - Message file 'm.msg': 2 more lines skipped\n"), std::string::npos);
}

TEST(MessageFile, LinesInShiftJisAreTranslated) {
  runtest::RunEnvironment environment;
  ::setenv("LANG", "ja_JP.SJIS", 1);
  ::setenv("NO_LANG_CACHE", "1", 1);
  XF_decideInputEncoding(zum::ProductTable[zum::findProduct("ZEK")], environment.path("bin"));
  const Read read = readText("1 warning \x83\x41\n2 warning \x81\x3f\n");
  ::unsetenv("LANG");
  ::unsetenv("NO_LANG_CACHE");
  zum::ProcessState::reset();
  EXPECT_EQ(read.warnings, "Warning - Message file 'm.msg' line 2 skipped: Character out of range.  Missing -en?\n");
  EXPECT_EQ(textOf(read.table, 1), "warning|\xa5\xa2|");
}

class MessageCatalogTest : public ::testing::Test {
 protected:
  void TearDown() override { zum::ProcessState::reset(); }

  void write(const std::string& relative, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(environment_.path(relative)).parent_path());
    std::ofstream(environment_.path(relative), std::ios::binary) << text;
  }
  M_MessageFileSettings settings(const std::string& userFile = "", const std::string& userPath = "") {
    M_MessageFileSettings s;
    s.userFile = userFile;
    s.userPath = userPath.empty() ? "" : environment_.path(userPath);
    s.compilerDirectory = environment_.path("bin");
    return s;
  }
  std::string load(const M_MessageFileSettings& s, M_MessageTable& table, int encoding = XF_ASC) {
    std::ostringstream warnings;
    table = M_loadMessageTable(s, encoding, warnings);
    return warnings.str();
  }

  runtest::RunEnvironment environment_;
};

TEST_F(MessageCatalogTest, InstalledThenUserFile) {
  write("bin/zum.msg", "#define info 1\n#define warning 4\n1 warning installed\n2 warning installed\n");
  write("bin/my.msg", "1 info from the compiler directory\n");
  write("user/my.msg", "2 info from usrpath\n");
  write("user/my.msg.jp.euc", "2 info variant\n");
  M_MessageTable table;
  EXPECT_EQ(load(settings("my.msg"), table), "");
  EXPECT_EQ(textOf(table, 1), "info|from the compiler directory|");
  EXPECT_EQ(textOf(table, 2), "warning|installed|");

  EXPECT_EQ(load(settings("my.msg", "user"), table), "");
  EXPECT_EQ(textOf(table, 1), "warning|installed|");
  EXPECT_EQ(textOf(table, 2), "info|from usrpath|");

  // The language variant of the input encoding, where there is one.
  EXPECT_EQ(load(settings("my.msg", "user"), table, XF_EUC), "");
  EXPECT_EQ(textOf(table, 2), "info|variant|");
  EXPECT_EQ(load(settings(environment_.path("user/my.msg")), table, XF_SJ), "");
  EXPECT_EQ(textOf(table, 2), "info|from usrpath|");

  EXPECT_EQ(load(settings("none.msg"), table),
            "Warning - Can't open user defined message file " + environment_.path("bin/none.msg") + "\n");
  EXPECT_EQ(textOf(table, 1), "warning|installed|");
}

TEST_F(MessageCatalogTest, MissingInstalledFileIsReported) {
  M_MessageTable table;
  const std::string warnings = load(settings(), table);
  EXPECT_EQ(warnings.rfind("Warning - Can't open message file zum.msg (looked in " + environment_.path("bin") + ", ", 0), 0u);
  EXPECT_EQ(textOf(table, 1500), "fatal|Unknown error|");
}

TEST_F(MessageCatalogTest, DiagnosticAsString) {
  write("bin/zum.msg", "#define warning 4\n1503 warning Function '%1s' is not used.@@Remove it.\n");
  runtest::publishCommandLine({"-tab", "4", "-debug", "os-independent-slash"});
  const XF_Filename a(U_Filename("/p/a.c"), U_Filename("src/a.c"));
  auto located = [&](int line, int column) {
    auto d = U_make<M_Diagnostic>(1503, U_Location(a, line, column));
    d->addString("f");
    return U_make<P_Diagnostic>(a.given(), d, false);
  };
  const U_Handle<P_Diagnostic> d = located(3, 2);
  const char* text = PI_getDiagnosticAsString(d.pointer(), "%f:%l:%c: [%g] %t %v (%n)");
  EXPECT_STREQ(text, "src/a.c:3:2: [4] Function 'f' is not used. Remove it. (1503)");
  EXPECT_EQ(text, PI_getDiagnosticAsString(d.pointer(), "%f:%l:%c: [%g] %t %v (%n)"));
  EXPECT_STREQ(PI_getDiagnosticAsString(d.pointer(), "%w8%i(\t)a\tbcdefghi"), "a\tbcde\n\tfghi");

  // The previous location lives for the process: "%q" sets it, "%Q" clears it.
  const std::string changed = "%?L%(new%:same%)";
  EXPECT_STREQ(PI_getDiagnosticAsString(d.pointer(), (changed + "%q").c_str()), "new");
  EXPECT_STREQ(PI_getDiagnosticAsString(located(3, 9).pointer(), changed.c_str()), "same");
  EXPECT_STREQ(PI_getDiagnosticAsString(located(4, 2).pointer(), (changed + "%Q").c_str()), "new");
  EXPECT_STREQ(PI_getDiagnosticAsString(d.pointer(), changed.c_str()), "new");

  // "show-format": the tokens, then the result.
  runtest::publishCommandLine({"-debug", "show-format"});
  optionstest::Capture out(std::cout);
  PI_getDiagnosticAsString(d.pointer(), "%n");
  EXPECT_EQ(out.text(), "<5 %n>\n1503\n");

  EXPECT_THROW(PI_getDiagnosticAsString(d.pointer(), "%L"), FM_ParseException);
}

TEST(InstalledMessageFile, CoversEveryMessageZumRaises) {
  std::ifstream in(std::string(ZUM_FIXTURES_DIR) + "/../../data/zum.msg", std::ios::binary);
  ASSERT_TRUE(in);
  M_MessageTable table;
  std::ostringstream warnings;
  M_readMessageFile(in, "zum.msg", table, warnings);
  EXPECT_EQ(warnings.str(), "");
  std::vector<int> numbers = {1500, 1501, 1502, 1503, 1504, 1505, 1506, 1507, 1508, 1509, 1510, 1512, 1513,
                              1514, 1515, 1516, 1517, 1520, 1521, 1525, 1526, 1527, 1528, 1529, 1530, 1531,
                              1532, 1533, 1540, 1578, 1579, 1580, 1581, 1593, 1594, 1597, 1598, 1599, 1700,
                              1701, 1702, 1710, 1711, 1720, 1721, 1730, 1750, 1760, 3219, 3670, 3966, 3967,
                              3968, 4800};
  for (int n = 1550; n <= 1559; ++n) numbers.push_back(n);
  for (int number : numbers) {
    ASSERT_NE(table.find(number), nullptr) << number;
    EXPECT_FALSE(table.entry(number).text.empty()) << number;
    EXPECT_NE(table.levelDisplayName(table.messageLevel(number)), "") << number;
  }
}
