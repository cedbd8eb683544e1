// Bad input: truncated lines, huge lines, missing fields, numbers beyond
// 32 bits and unfinished control graphs must neither crash, hang nor read
// outside the line (random bytes are the metric file fuzz target's). Only
// the malformed codes that are assertions on purpose are left out.
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "model_test_support.h"
#include "settings_test_support.h"

using namespace modeltest;

namespace {

const char* const kValidLines[] = {
    "<S>STFIL a.c",
    "<S>STNAM f(int)",
    "<S>STCYC 3",
    "<DEFINE> f(int) a.c 4 N DC FF F X (ni)->ni -",
    "<DEFINE> \"my dir/x.h\"::v \"my dir/x.h\" 4 I DF -V F X ni SI",
    "<DEFINE> A<T>::g<U>(U) a.h 9 I DX FF C X (U)->v U",
    "<R>C f(int) f(int) 7 RWV-",
    "<R>X f(int) f(int) 8 RW",
    "<R>I \"a b.c\" a.h 1",
    "<EXTV> f(int) f(int) 9",
    "<ALLOC> f(int) array a.c 10 5",
    "<CTLG> f(int) 2",
    "<CTLG> 1 2",
    "<CTLGN> 4 7 9",
    "<LIT> L\"x \\\" y\" - N \"a b.c\" 7 12 I SE {pc} B A",
    "<LIT> 0x10u u - a.c 8 1 N HN nu F O",
};

class GarbageTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    publishSettings([](C_RunSettings& s) { s.showSymbolErrors = s.showRelationErrors = s.showExtvErrors = true; });
    registerSymbolEvents();
    PI_configureOnAllDefine(&recordAllDefine);
    P_configureOnDefine(&recordDefine);
    PI_configureNeedScopeEnclSymbol();
    PI_configureNeedRelationCalls();
    PI_configureNeedRelationRefers();
    PI_configureNeedRelationInclude();
    PI_configureNeedExternVar();
    PI_configureOnAlloc(&recordAlloc);
    PI_configureOnControlGraph(&recordControlGraph);
    PI_configureMetricGroup(&recordMetricGroup);
    PI_configureNeedLiteral();
  }

  // Reads `content` as a source and walks everything the model kept.
  void readAndWalk(const std::string& content) {
    writeMetricFile("g.c", content);
    testing::internal::CaptureStdout();
    readSources({"g.c"});
    testing::internal::GetCapturedStdout();
    for (PI_SymbolHandle symbol : allSymbols()) {
      for (PI_DefineHandle def : definesOf(symbol)) {
        PI_getDefineScope(def);
        PI_getDefineUnqualName(def);
        PI_getDefineSimpleIdentifier(def);
        PI_getDefineTemplateParameters(def);
        PI_isTemplateOrSpecialisation(def);
        P_getDefineQualNameNoTemplateArgs(def);
        P_getDefineTemplateOrigin(def);
      }
    }
    for (int it = PI_getFirstLiteral(); !PI_isLiteralIterEnd(it); PI_getLiteralIterNext(it))
      PI_getLiteral(PI_getLiteralIterData(it));
    for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it))
      PI_getRelationLine(PI_getRelationCallsIterData(it));
    PI_getMetricIntegralValue("f(int)", "STCYC");
  }
};

}  // namespace

TEST_F(GarbageTest, EveryPrefixOfEveryRecordIsHarmless) {
  std::string content = "<S>STFIL a.c\n";
  for (const char* line : kValidLines) {
    std::string text(line);
    for (std::size_t length = 0; length <= text.size(); ++length) {
      std::string prefix = text.substr(0, length);
      // A metric line ending in blanks after its name is an assertion on purpose.
      if (prefix.rfind("<S>", 0) == 0 && !prefix.empty() && (prefix.back() == ' ')) continue;
      content += prefix + "\n";
    }
  }
  readAndWalk(content);
  SUCCEED();
}

TEST_F(GarbageTest, NumbersBeyond32BitsDropTheirRecord) {
  readAndWalk(
      "<DEFINE> x a.c 99999999999 N DC -V F N ni -\n"
      "<DEFINE> y a.c -2147483649 N DC -V F N ni -\n"
      "<DEFINE> z a.c 2147483647 N DC -V F N ni -\n"
      "<R>C z z 4294967296 -\n"
      "<ALLOC> z plain a.c 1 99999999999\n"
      "<CTLG> z 99999999999\n<CTLG> 1 2\n<CTLGN> 1 99999999999 3\n"
      "<LIT> 1 - - a.c 1 4294967297 N DN ni B O\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol z@a.c:2147483647", "AllDefine"}));
}

TEST_F(GarbageTest, ALineOfSeveralMegabytes) {
  std::string hugeName(6 * 1024 * 1024, 'n');
  std::string hugeJunk(3 * 1024 * 1024, '\x01');
  readAndWalk("<DEFINE> " + hugeName + " a.c 1 N DC -V F N ni -\n<R>C " + hugeJunk + "\n<CTLGN> " + hugeJunk +
              "\n<DEFINE> after a.c 2 N DC -V F N ni -\n");
  ASSERT_EQ(allSymbols().size(), 2u);
  EXPECT_EQ(std::string(PI_getDefineQualName(PI_getSymbolCurrentDefine(allSymbols()[0]))).size(), hugeName.size());
}

TEST_F(GarbageTest, AControlGraphWithoutItsLineRecord) {
  readAndWalk(
      "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n"
      "<CTLG> f() 1\n<CTLG> 1 2\n<CTLG> f() 1\n<CTLG> 3\n<CTLG>\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol f()@a.c:1", "ControlGraph f()", "AllDefine"}));
}
