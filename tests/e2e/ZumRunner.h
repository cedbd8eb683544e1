// Runs build/zum (or another built tool) in a scratch directory with an
// environment of the test's own, and captures what it prints and returns.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ScratchDir.h"

namespace zumtest {

struct RunResult {
  std::string out;
  std::string err;
  int exitCode = -1;   // -1 when the process died of a signal
  int signal = 0;
};

struct RunOptions {
  std::filesystem::path cwd;                   // default: the scratch dir
  std::map<std::string, std::string> env;      // the whole environment
  std::string stdinText;
};

RunResult run(const std::string& program, const std::vector<std::string>& args, const RunOptions& options);

// The usual environment for a run in `scratch`: PATH, HOME and TMP, and the
// compiler-directory variables ZEKBIN and ZEKPPBIN pointing at "bin"
// (created empty).
std::map<std::string, std::string> standardEnv(const Scratch& scratch);

// Runs build/zum with `args` in `scratch` under `env`.
RunResult runZum(const Scratch& scratch, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env);
RunResult runZum(const Scratch& scratch, const std::vector<std::string>& args);

std::string toolPath(const std::string& relative);  // a program built next to zum
// That program (`tool`, such as "zum-scan") with `args`, run in `scratch`
// under standardEnv.
RunResult runTool(const Scratch& scratch, const std::string& tool, const std::vector<std::string>& args);

// build/zum-errdump over `file` in `scratch`, its output without byte counts
// and offsets: both depend on the absolute path of the scratch directory,
// which error files hold.
RunResult errDump(const Scratch& scratch, const std::map<std::string, std::string>& env, const std::string& file);

// What zum prints on standard error after a configuration error.
extern const std::string kUsage;

// A test with a scratch directory of its own and the usual environment for
// runs in it (standardEnv), whose compiler directory holds empty
// configuration files of ZEK and ZEK++.
class ZumTest : public ::testing::Test {
 protected:
  ZumTest();
  RunResult run(const std::vector<std::string>& args) const { return runZum(scratch_, args, env_); }
  // `program` with `args`, run in the scratch directory's `dir`.
  RunResult runIn(const std::string& dir, const std::string& program, const std::vector<std::string>& args) const;
  // The records of the error file `file` as errDump shows them; the dump must succeed.
  std::string dump(const std::string& file) const;
  // Copies the bundled example examples/<example> into the scratch directory's `dir`.
  void copyExample(const std::string& example, const std::string& dir) const;

  Scratch scratch_;
  std::map<std::string, std::string> env_;
};

}  // namespace zumtest
