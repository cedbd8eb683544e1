// The read caches and memos change no result: generated C and C++
// projects, run with and without the debug switch "no-read-caches", leave
// the same project error file, project metric file and standard output,
// also when a second run reads the first one's results back. (Sanitizer
// builds also check every answer a cache gives against a fresh one.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ZumRunner.h"

namespace {

struct Outputs {
  std::string errorFile;
  std::string metricFile;
  std::string standardOutput;
};

// Two runs of the project in "p", each from a fresh copy of its inputs.
std::vector<Outputs> runTwice(const zumtest::Scratch& scratch, const std::string& product,
                              const std::vector<std::string>& extra) {
  std::vector<std::string> args = {product, "-cmaf", "p/project", "-op", "p", "-list", "p/sources.lst"};
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<Outputs> outputs;
  for (int run = 0; run < 2; ++run) {
    const zumtest::RunResult result = zumtest::runZum(scratch, args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    outputs.push_back({scratch.read("p/project.err"), scratch.read("p/project.met"), result.out});
  }
  return outputs;
}

}  // namespace

TEST(ReadCaches, ResultsAreTheSameWithoutThem) {
  for (const std::string flavour : {"c", "c++"}) {
    zumtest::Scratch scratch;
    const auto generated = zumtest::runTool(scratch, "zum-genproject",
                                            {"-o", scratch.path("p").string(), "--sources", "16", "--lang", flavour,
                                             "--error-fraction", "0.5", "-q"});
    ASSERT_EQ(generated.exitCode, 0) << generated.err;
    const std::string product = flavour == "c" ? "ZEK" : "ZEKPP";

    const std::vector<Outputs> cached = runTwice(scratch, product, {});
    std::filesystem::remove(scratch.path("p/project.err"));
    std::filesystem::remove(scratch.path("p/project.met"));
    const std::vector<Outputs> fresh = runTwice(scratch, product, {"-debug", "no-read-caches"});
    for (std::size_t run = 0; run < 2; ++run) {
      EXPECT_FALSE(cached[run].errorFile.empty()) << flavour;
      EXPECT_TRUE(cached[run].errorFile == fresh[run].errorFile) << flavour << " run " << run;
      EXPECT_TRUE(cached[run].metricFile == fresh[run].metricFile) << flavour << " run " << run;
      EXPECT_EQ(cached[run].standardOutput, fresh[run].standardOutput) << flavour << " run " << run;
    }
  }
}
