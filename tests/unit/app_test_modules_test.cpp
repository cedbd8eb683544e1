// The test modules print what they observe through the plug-in interface.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/ModuleRegistry.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;

namespace {

class TestModules : public ChecksTest {
 protected:
  // Configures the named test modules as the registry does, reads the
  // project and gives each module's lines (markers shown readably).
  std::map<std::string, std::vector<std::string>> observe(const std::vector<std::string>& modules) {
    for (const zum::ModuleSlot& module : zum::modulesOfRun(zum::ModuleChoice{
             zum::MultiFile, 0, false, [&modules](std::string_view name) {
               return name == "pcom_test" || std::find(modules.begin(), modules.end(), name) != modules.end();
             }}))
      if (std::string(module.name).starts_with("PT_")) module.configure();
    testing::internal::CaptureStdout();
    runProject({{"a.c", kSource}});
    std::istringstream out(modeltest::readable(testing::internal::GetCapturedStdout().c_str()));
    std::map<std::string, std::vector<std::string>> lines;
    for (std::string line; std::getline(out, line);) {
      const std::size_t colon = line.find(": ");
      lines[line.substr(0, colon)].push_back(line.substr(colon + 2));
    }
    return lines;
  }

  static constexpr const char* kSource =
      "<S>\n<S>STFIL a.c\n<S>STNAM a.c\n<S>STFNC 2\n<S>STLIN 30\n"
      "<DEFINE> U a.c 1 N DC TG F X {uU} -\n"
      "<DEFINE> U::bits a.c 2 N DC -B C N nb -\n"
      "<DEFINE> grid a.c 4 N DC -V F X [10,[20,ni]] -\n"
      "<DEFINE> open a.c 5 N DC -V F X [?,ni] -\n"
      "<DEFINE> f() a.c 6 N DC FF F X ()->v -\n"
      "<DEFINE> f() a.c 6 N DF FF F X ()->v -\n"
      "<DEFINE> f()::out a.c 8 N DC LB N N - -\n"
      "<R>C f() f() 7 V\n"
      "<R>X f() grid 7 RW\n"
      "<R>I a.c a.h 1\n"
      "<CTLG> f() 1\n<CTLG> 1 2\n<CTLG> 2 3\n<CTLGN> 6 7 8\n"
      "<LIT> 42UL UL N a.c 7 12 I HN nul F O\n";
};

TEST_F(TestModules, SourcesSymbolsAndRelationsAsTheyAreSeen) {
  auto lines = observe({"PT_ConfigureOnSource", "PT_ConfigureOnAllDefine", "PT_Relation_C", "PT_Relation_X",
                        "PT_Relation_I", "PT_Relation_V"});
  EXPECT_EQ(lines["PT_ConfigureOnSource"], std::vector<std::string>{"a.c"});
  EXPECT_EQ(lines["PT_ConfigureOnAllDefine"],
            (std::vector<std::string>{"U a.c:1 declaration", "U::bits a.c:2 declaration", "grid a.c:4 declaration",
                                      "open a.c:5 declaration", "f() a.c:6 definition declaration",
                                      "f()::out a.c:8 definition declaration"}));
  EXPECT_EQ(lines["PT_Relation_C"], std::vector<std::string>{"f() f() 7 virtual"});
  EXPECT_EQ(lines["PT_Relation_X"], std::vector<std::string>{"f() grid 7 read write"});
  EXPECT_EQ(lines["PT_Relation_I"], std::vector<std::string>{"a.c a.h 1"});
  EXPECT_EQ(lines.count("PT_Relation_V"), 0u);
}

TEST_F(TestModules, QueriesOnDefinesPerSymbol) {
  auto lines = observe({"PT_TypeQueries", "PT_isBitfield", "PT_isLabel", "PT_isUnion"});
  EXPECT_EQ(lines["PT_TypeQueries"],
            (std::vector<std::string>{"U type {uU}", "U::bits type nb", "grid type [10,[20,ni]] array element [20,ni] dimension 10",
                                      "open type [?,ni] array element ni undimensioned", "f() type ()->v",
                                      "f()::out type -"}));
  EXPECT_EQ(lines["PT_isBitfield"], (std::vector<std::string>{"U 0", "U::bits 1", "grid 0", "open 0", "f() 0",
                                                              "f()::out 0"}));
  EXPECT_EQ(lines["PT_isLabel"], (std::vector<std::string>{"U 0", "U::bits 0", "grid 0", "open 0", "f() 0",
                                                           "f()::out 1"}));
  EXPECT_EQ(lines["PT_isUnion"], (std::vector<std::string>{"U 1", "U::bits 0", "grid 0", "open 0", "f() 0",
                                                           "f()::out 0"}));
}

TEST_F(TestModules, ControlGraphsLiteralsAndFileMetrics) {
  auto lines = observe({"PT_CTLG", "PT_literalRecord", "PT_FileMetrics"});
  EXPECT_EQ(lines["PT_CTLG"], std::vector<std::string>{"f() exits 1 lines 6 7 8 edges 1-2 2-3"});
  EXPECT_EQ(lines["PT_literalRecord"],
            std::vector<std::string>{"42UL at a.c:7:12 type nul kind H context O suffix UL unsigned long negative "
                                     "in header"});
  EXPECT_EQ(lines["PT_FileMetrics"], std::vector<std::string>{"a.c STFNC 2 STLIN 30"});
}

TEST_F(TestModules, TheRecursiveMetricIsWrittenPerFunction) {
  options().expandFileNames().set(false);
  setSwitches({"os-independent-slash"});
  openMetricOutput();
  auto lines = observe({"PT_RecursiveMetOutput"});
  EXPECT_EQ(lines["PT_RecursiveMetOutput"], std::vector<std::string>{"f() PTREC 6 previous 0"});
  EXPECT_EQ(projectMetricFile(), "<S>\r\n<S>STFIL a.c\r\n<S>STNAM " + modeltest::marked("f()") + "\r\n<S>PTREC 6\r\n");
}

}  // namespace
