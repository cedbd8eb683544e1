// What the project function metrics count of the diagnostics delivered to
// them, and that nothing is written when metrics are off. Values and the
// project metric file are tested end to end.
#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/Diagnostic.h"
#include "app/ModuleRegistry.h"
#include "checks_test_support.h"
#include "options/ProductTable.h"

using checkstest::ChecksTest;

namespace {

class FunctionMetrics : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    for (const zum::ModuleSlot& module : zum::modulesOfRun({zum::MultiFile, zum::kProductZek, false, {}}))
      if (module.configure) module.configure();
    openMetricOutput();
  }

  // main, and the cycle f-g; `diagnostics` are delivered before the end.
  void read(const std::function<void()>& diagnostics) {
    writeMetricFile("a.c", "<DEFINE> main a.c 1 N DC OF F X ()ni -\n<DEFINE> main a.c 1 N DF OF F X ()ni -\n"
                           "<DEFINE> f a.c 2 N DC OF F X ()vd -\n<DEFINE> g a.c 3 N DC OF F X ()vd -\n"
                           "<R>C f g 4 -\n<R>C g f 5 -\n<R>X main f 6 -\n<R>X f g 4 -\n");
    readSources({"a.c"}, false);
    diagnostics();
    P_raiseEndEvent();
  }
};

TEST_F(FunctionMetrics, DiagnosticsOfTheirNumberCountUnlessSuppressedDuplicatesIncluded) {
  read([] {
    auto diagnostic = [](int number) {
      return U_make<P_Diagnostic>(U_Filename("a.c"), U_make<M_Diagnostic>(number), false);
    };
    const U_Handle<P_Diagnostic> entry = diagnostic(3219), recursion = diagnostic(3670), other = diagnostic(3000);
    P_raiseOnMessage(3219, entry.pointer(), false, false);
    P_raiseOnMessage(3219, entry.pointer(), true, false);
    P_raiseOnMessage(3219, entry.pointer(), false, true);
    P_raiseOnMessage(3670, recursion.pointer(), false, false);
    P_raiseOnMessage(3670, recursion.pointer(), false, true);
    // Delivered under a number it does not carry: not counted.
    P_raiseOnMessage(3219, other.pointer(), false, false);
  });
  // STNEA: 2 diagnostics + main; STNRA: 1 cycle + 1 diagnostic.
  const std::string bytes = projectMetricFile();
  EXPECT_NE(bytes.find("<S>STNEA 3\r\n<S>STNRA 2\r\n"), std::string::npos) << bytes;
}

TEST_F(FunctionMetrics, NothingIsWrittenWhenMetricsAreOff) {
  publishSettings([](C_RunSettings& s) { s.metrics = false; });
  read([] {});
  EXPECT_EQ(projectMetricFile(), "");
}

}  // namespace
