// The bundled example (examples/inventory) run the way scripts/example.sh
// runs it: every finding of this project's checks that applies to C, and
// the project metrics. Its error files are those the example's own tool
// writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ZumRunner.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExample = fs::path(ZUM_FIXTURES_DIR) / ".." / ".." / "examples" / "inventory";

class Example : public ::testing::Test {
 protected:
  Example() : env_(zumtest::standardEnv(scratch_)) {
    scratch_.write("bin/zek.cfg", "");
    fs::create_directories(scratch_.path("run"));
    fs::copy(kExample, scratch_.path("run"), fs::copy_options::recursive);
  }

  zumtest::RunResult run(const std::string& program, const std::vector<std::string>& args) {
    zumtest::RunOptions options;
    options.cwd = scratch_.path("run");
    options.env = env_;
    return zumtest::run(program, args, options);
  }

  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      all.push_back(line);
    }
    return all;
  }

  zumtest::Scratch scratch_;
  std::map<std::string, std::string> env_;
};

TEST_F(Example, TheMainJobFindsWhatTheProjectHoldsAndMeasuresIt) {
  const auto r = run(ZUM_BINARY, {"ZEK", "-cmaf", "inventory", "-list", "inventory.lst"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");

  // The findings by message number, in the order the checks report them.
  const auto dump = run(zumtest::toolPath("zum-errdump"), {"inventory.err"});
  std::vector<std::string> found;
  for (const std::string& line : lines(dump.out)) {
    const std::size_t at = line.find(": Msg=");
    if (line.find("diagnostic: ") != std::string::npos && at != std::string::npos)
      found.push_back(line.substr(line.find("diagnostic: ") + 12, at - line.find("diagnostic: ") - 12) + " " +
                      line.substr(at + 6, 4));
  }
  EXPECT_EQ(found, (std::vector<std::string>{
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
                   }));

  // STNEA: util_unused_helper, the two uncalled statics (3219), main.
  // STNRA: the cycle and stock_sort's recursion (3670).
  const std::vector<std::string> metrics = lines(scratch_.read("run/inventory.met"));
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
  fs::create_directories(scratch_.path("written"));
  const auto r = run(zumtest::toolPath("zum-example-errors"), {scratch_.path("written").string()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  for (const char* source : {"main.c", "util.c", "stock.c", "order.c", "report.c"}) {
    const std::string name = std::string(source) + ".err";
    EXPECT_EQ(scratch_.read("written/" + name), scratch_.read("run/" + name)) << name;
  }
}

}  // namespace
