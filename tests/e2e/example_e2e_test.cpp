// The bundled examples run the way scripts/example.sh runs them: the C
// example (examples/inventory) with every finding of this project's checks
// that applies to C and the project metrics; the C++ example
// (examples/ledger) with a finding of each check of C++ (classes,
// initialisation order, similar names) and the metrics of every class. Their error files are those the examples' own
// tool writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestText.h"
#include "ZumRunner.h"

namespace {

namespace fs = std::filesystem;

class ExampleRun : public zumtest::ZumTest {
 protected:
  explicit ExampleRun(const std::string& example) { copyExample(example, "run"); }

  zumtest::RunResult run(const std::string& program, const std::vector<std::string>& args) {
    return runIn("run", program, args);
  }

  // "file:line number" of each finding of a project error file, in order.
  std::vector<std::string> findings(const std::string& errorFile) {
    const auto dump = run(zumtest::toolPath("zum-errdump"), {errorFile});
    std::vector<std::string> found;
    for (const std::string& line : zumtest::lines(dump.out)) {
      const std::size_t at = line.find(": Msg=");
      const std::size_t start = line.find("diagnostic: ");
      if (start != std::string::npos && at != std::string::npos)
        found.push_back(line.substr(start + 12, at - start - 12) + " " + line.substr(at + 6, 4));
    }
    return found;
  }

  // The project's error files are those the example's tool writes.
  void expectErrorFilesOfTool(const std::vector<std::string>& toolArgs, const std::vector<std::string>& sources) {
    fs::create_directories(scratch_.path("written"));
    std::vector<std::string> args = toolArgs;
    args.push_back(scratch_.path("written").string());
    const auto r = run(zumtest::toolPath("zum-example-errors"), args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const std::string& source : sources)
      EXPECT_EQ(scratch_.read("written/" + source + ".err"), scratch_.read("run/" + source + ".err")) << source;
  }
};

class Example : public ExampleRun {
 protected:
  Example() : ExampleRun("inventory") {}
};

TEST_F(Example, TheMainJobFindsWhatTheProjectHoldsAndMeasuresIt) {
  const auto r = run(ZUM_BINARY, {"ZEK", "-cmaf", "inventory", "-list", "inventory.lst"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");

  // The findings by message number, in the order the checks report them.
  std::vector<std::string> expected{
      ":1 1515",          // types.h, under platform/ and under legacy/
      ":1 1500",          // g_legacyBanner, declared twice, never defined
      ":1 1501",          // log_reset, declared only
      "util.c:41 1503",   // util_unused_helper
      "util.c:5 1502",    // g_utilSpare
      ":1 1520",          // stock_rebalance <-> order_restock
      "main.c:6 1514",    // g_debugLevel, only main uses it
      "stock.c:7 1533",   // g_stockLimit, only order_check uses it
      "stock.c:26 1532",  // stock_remove, only order.c calls it
      "stock.c:12 1505",  // stock_find
      "order.c:6 1531",   // g_orderTotal, read by two functions of report.c
      "order.c:15 1532", "order.c:24 1532", "order.c:8 1505", "order.c:30 1532",
      "report.c:18 1532", "report.c:11 1505", "util.c:15 1532", "util.c:24 1505",
      "util.c:4 1504",    // g_utilCalls, used by two functions of util.c
      ":1 1507",          // Quantity: int in platform/types.h, long in legacy/types.h
      ":1 1509",          // g_verbose, defined by main.c and by stock.c
      ":1 1510",          // g_stockCount: int in stock.h, long in util.c
      ":1 1512",          // g_debugLevel: every source declares it through config.h
      ":1 1512", ":1 1513",  // g_legacyBanner, never defined
      ":1 1512", ":1 1513",  // log_reset, never defined
  };
  // The other externals of the headers, declared by every source that
  // includes them.
  expected.insert(expected.end(), 19, ":1 1512");
  expected.push_back(":1 1525");  // g_utilCalls: external in util.c, static in main.c
  EXPECT_EQ(findings("inventory.err"), expected);

  // STNEA: util_unused_helper, the two uncalled statics (3219), main.
  // STNRA: the cycle and stock_sort's recursion (3670).
  const std::vector<std::string> metrics = zumtest::lines(scratch_.read("run/inventory.met"));
  ASSERT_GE(metrics.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(metrics.begin(), metrics.begin() + 7),
            (std::vector<std::string>{"<S>", "<S>STFIL ", "<S>STNAM ", "<S>STCYA 46", "<S>STNFA 19", "<S>STNEA 4",
                                      "<S>STNRA 2"}));
  // Then per function: "<S>", "<S>STFIL file", "<S>STNAM name", "<S>STM29 n".
  std::vector<std::string> callers;
  for (std::size_t i = 7; i + 4 <= metrics.size(); i += 4)
    callers.push_back(metrics[i + 2].substr(9) + " " + metrics[i + 3].substr(9));
  EXPECT_EQ(callers, (std::vector<std::string>{
                         "log_reset 0", "stock_add 2", "stock_remove 1", "stock_find 2", "stock_rebalance 2",
                         "order_add 1", "order_cancel 1", "order_check 1", "order_restock 1", "report_summary 1",
                         "report_line 1", "main 0", "util_clamp 2", "util_trim 1", "util_hash 1", "util_lookup 2",
                         "util_unused_helper 0", "stock_sort 1", "stock_dump 0", "report_debug 0"}));
}

TEST_F(Example, ItsErrorFilesAreWhatItsToolWrites) {
  expectErrorFilesOfTool({}, {"main.c", "util.c", "stock.c", "order.c", "report.c"});
}

class LedgerExample : public ExampleRun {
 protected:
  LedgerExample() : ExampleRun("ledger") {}
};

TEST_F(LedgerExample, EveryCppCheckFindsSomethingAndEveryClassIsMeasured) {
  const auto r = run(ZUM_BINARY, {"ZEKPP", "-cmaf", "ledger", "-prodoption", "class::member_encapsulation_ratio=0.4",
                                  "-prodoption", "close_name::any_case+", "-prodoption", "close_name::sig_char=12",
                                  "-list", "ledger.lst"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(findings("ledger.err"), (std::vector<std::string>{
                                        "account.cpp:41 1532",  // riskMargin(), called from ledger.cpp only
                                        // The externals of account.h and ledger.h, declared by every
                                        // source that includes them; g_centralRate is defined nowhere.
                                        ":1 1512", ":1 1512", ":1 1512", ":1 1513", ":1 1512", ":1 1512",
                                        ":1 1512", ":1 1512",
                                        // Initialisation order: read directly, or through dailyLimit()
                                        // and riskMargin() while g_transferLimitPerDay is initialised.
                                        "account.cpp:35 1551",  // s_penaltyRate from g_overdraftLimit, below
                                        "account.cpp:38 1554",  // s_interestBasis from g_centralRate, not defined
                                        "ledger.cpp:40 1550",   // g_transferLimit from g_overdraftLimit
                                        "account.cpp:41 1559",  // g_centralRate
                                        "account.cpp:41 1557",  // s_penaltyRate
                                        "account.cpp:41 1557",  // s_interestBasis
                                        "account.cpp:41 1558",  // s_serviceCharge, a Money made by a call
                                        "ledger.cpp:48 1556",   // s_openingBonus, a Money further down
                                        "ledger.cpp:48 1555",   // s_weeklyCap, further down
                                        "ledger.cpp:41 1552",   // s_minimumTransfer, a Money, from g_monthlyFee
                                        "ledger.cpp:44 1553",   // s_openingBonus from g_bonusCents, below
                                        "report.cpp:8 1700",   // Report::Report(), never used
                                        // Names that differ in letter case only.
                                        ":1 1710", ":1 1710", ":1 1710", ":1 1710",
                                        ":1 1711",             // g_transferLimit, g_transferLimitPerDay
                                        "report.cpp:6 1730",   // Registry<Transaction>::size(), away from registry.h
                                        ":1 1750",             // validId(int), inline in account.cpp and ledger.cpp
                                        "transaction.h:5 1701", "ledger.h:6 1701", "report.h:5 1701",
                                        "money.h:4 1702", "transaction.h:5 1702", "ledger.h:6 1702",
                                        "report.h:5 1702",
                                        "money.h:4 1760",      // cents() reads the one data member
                                        "account.h:7 1760",    // id(), owner() and balance() read all three
                                    }));

  // Per class: "<S>", "<S>STFIL file", "<S>STNAM name", then the five metrics.
  // STCBO counts what a class's members refer to in other scopes, the
  // parameters and locals of its own methods among them.
  const std::vector<std::string> metrics = zumtest::lines(scratch_.read("run/ledger.met"));
  std::vector<std::string> classes;
  for (std::size_t i = 0; i + 8 <= metrics.size(); i += 8) {
    std::string row = metrics[i + 2].substr(9);
    for (std::size_t m = 3; m < 8; ++m) row += " " + metrics[i + m].substr(3);
    classes.push_back(row);
  }
  EXPECT_EQ(classes, (std::vector<std::string>{
                         "Money STNOC 0 STWMC 3 STRFC 3 STCBO 10 STLCM 1",
                         "Account STNOC 2 STWMC 8 STRFC 9 STCBO 4 STLCM 1",
                         "Savings STNOC 0 STWMC 4 STRFC 5 STCBO 5 STLCM 1",
                         "Checking STNOC 0 STWMC 5 STRFC 5 STCBO 5 STLCM 1",
                         "Transaction STNOC 0 STWMC 4 STRFC 6 STCBO 6 STLCM 1",
                         "Registry\x8CT\x8D STNOC 0 STWMC 3 STRFC 2 STCBO 3 STLCM 1",
                         "Ledger STNOC 0 STWMC 18 STRFC 15 STCBO 18 STLCM 1",
                         "Report STNOC 0 STWMC 7 STRFC 13 STCBO 11 STLCM 1",
                     }));
}

TEST_F(LedgerExample, ItsErrorFilesAreWhatItsToolWrites) {
  expectErrorFilesOfTool({"--project", "ledger"}, {"account.cpp", "transaction.cpp", "ledger.cpp", "report.cpp", "main.cpp"});
}

}  // namespace
