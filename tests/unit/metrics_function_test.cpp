// The project-wide function metrics: their values, what they count and
// what they leave out, and the bytes of the project metric file.
#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/Diagnostic.h"
#include "app/ModuleRegistry.h"
#include "checks_test_support.h"
#include "options/ProductTable.h"

using checkstest::ChecksTest;
using modeltest::marked;

namespace {

class FunctionMetrics : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    options().expandFileNames().set(false);
    setSwitches({"os-independent-slash"});
    // The modules of a ZEK project run, in their order.
    for (const zum::ModuleSlot& module : zum::modulesOfRun({zum::MultiFile, zum::kProductZek, false, {}}))
      if (module.configure) module.configure();
    openMetricOutput();
  }

  // Reads the project; `diagnostics` delivers error-file diagnostics
  // before the end of the run.
  void read(const std::function<void()>& diagnostics = [] {}) {
    for (const auto& [name, content] : project()) writeMetricFile(name, content);
    readSources({"a.c", "b.c", "c.c"}, false);
    diagnostics();
    P_raiseEndEvent();
  }

  static std::map<std::string, std::string> project() {
    return {{"a.c", "<S>\n<S>STFIL a.c\n<S>STNAM a.c\n<S>STFNC 3\n"
                    "<DEFINE> f() a.h 1 I DC FF F X ()->v -\n"
                    "<DEFINE> f() b.h 1 I DC FF F X ()->v -\n"
                    "<DEFINE> h() b.h 2 I DC FF F X ()->v -\n"
                    "<DEFINE> f() a.c 4 N DF FF F X ()->v -\n"
                    "<DEFINE> main() a.c 10 N DC FF F X ()->ni -\n"
                    "<DEFINE> main() a.c 10 N DF FF F X ()->ni -\n"
                    "<R>C f() h() 5 -\n<R>X f() h() 5 -\n<R>C f() h() 6 -\n"
                    "<R>C main() f() 11 -\n<R>X main() f() 11 -\n"
                    "<S>\n<S>STFIL a.c\n<S>STNAM f()\n<S>STCYC 4\n<S>STNAM main()\n<S>STCYC 2\n"},
            {"b.c", "<S>\n<S>STFIL b.c\n<S>STNAM b.c\n<S>STFNC 5\n"
                    "<DEFINE> f() b.h 1 I DC FF F X ()->v -\n"
                    "<DEFINE> h() b.h 2 I DC FF F X ()->v -\n"
                    "<DEFINE> g() b.c 3 N DC FF F X ()->v -\n"
                    "<DEFINE> g() b.c 3 N DF FF F X ()->v -\n"
                    "<DEFINE> h() b.c 7 N DF FF F X ()->v -\n"
                    "<DEFINE> u() b.c 12 N DC FF F X ()->v -\n"
                    "<DEFINE> u() b.c 12 N DF FF F X ()->v -\n"
                    "<R>C g() h() 4 -\n<R>X g() h() 4 -\n<R>C h() g() 8 -\n<R>C h() h() 9 -\n"
                    "<S>\n<S>STFIL b.c\n<S>STNAM g()\n<S>STCYC 1\n<S>STNAM h()\n<S>STCYC 3\n"
                    "<S>STNAM u()\n<S>STCYC abc\n"},
            // Declarations only: its functions are counted by no file.
            {"c.c", "<S>\n<S>STFIL c.c\n<S>STNAM c.c\n<S>STFNC 7\n<DEFINE> f() b.h 1 I DC FF F X ()->v -\n"}};
  }

  static std::string header(const std::string& file, const std::string& name) {
    return "<S>\r\n<S>STFIL " + file + "\r\n<S>STNAM " + marked(name) + "\r\n";
  }
};

TEST_F(FunctionMetrics, TheProjectMetricsThenEachFunctionsCallersInTheProjectMetricFile) {
  read();
  // STCYA: f 4 (declared twice, counted once) + main 2 + g 1 + h 3 + u not
  // a number. STNFA: a.c 3 + b.c 5. STNEA: g and u unused + main. STNRA:
  // the cycle g-h. STM29 counts distinct callers, not calls nor self-calls.
  EXPECT_EQ(projectMetricFile(), header("", "") + "<S>STCYA 10\r\n<S>STNFA 8\r\n<S>STNEA 3\r\n<S>STNRA 1\r\n" +
                                     header("a.c", "f()") + "<S>STM29 1\r\n" + header("b.c", "h()") +
                                     "<S>STM29 2\r\n" + header("a.c", "main()") + "<S>STM29 0\r\n" +
                                     header("b.c", "g()") + "<S>STM29 1\r\n" + header("b.c", "u()") +
                                     "<S>STM29 0\r\n");
}

TEST_F(FunctionMetrics, DiagnosticsCountUnlessSuppressedDuplicatesIncluded) {
  read([] {
    auto diagnostic = [](int number) {
      return U_make<P_Diagnostic>(U_Filename("b.c"), U_make<M_Diagnostic>(number), false);
    };
    const U_Handle<P_Diagnostic> entry = diagnostic(3219), recursion = diagnostic(3670), other = diagnostic(3000);
    P_raiseOnMessage(3219, entry.pointer(), false, false);
    P_raiseOnMessage(3219, entry.pointer(), true, false);
    P_raiseOnMessage(3219, entry.pointer(), false, true);
    P_raiseOnMessage(3670, recursion.pointer(), false, false);
    P_raiseOnMessage(3670, recursion.pointer(), false, true);
    P_raiseOnMessage(3000, other.pointer(), false, false);
    // Delivered under a number it does not carry: not counted.
    P_raiseOnMessage(3219, other.pointer(), false, false);
  });
  const std::string bytes = projectMetricFile();
  EXPECT_NE(bytes.find("<S>STNEA 5\r\n<S>STNRA 2\r\n"), std::string::npos) << bytes;
}

TEST_F(FunctionMetrics, NothingIsWrittenWhenMetricsAreOff) {
  options().metrics().set(false);
  read();
  EXPECT_EQ(projectMetricFile(), "");
}

}  // namespace
