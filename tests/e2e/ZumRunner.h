// Runs build/zum (or another built tool) in a scratch directory with an
// environment of the test's own, and captures what it prints and returns.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zumtest {

struct RunResult {
  std::string out;
  std::string err;
  int exitCode = -1;   // -1 when the process died of a signal
  int signal = 0;
};

// A fresh directory under the system temporary directory, removed with the
// object. HOME, TMP and the compiler-directory variables of a run point into
// it unless the test says otherwise.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path path(const std::string& relative) const { return dir_ / relative; }
  // Writes `content` to `relative`, creating directories on the way.
  void write(const std::string& relative, const std::string& content) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // Copies a fixture directory (under tests/fixtures) into the scratch dir.
  void copyFixture(const std::string& fixture, const std::string& to = ".") const;

 private:
  std::filesystem::path dir_;
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

// build/zum-errdump over `file` in `scratch`, its output without byte counts
// and offsets: both depend on the absolute path of the scratch directory,
// which error files hold.
RunResult errDump(const Scratch& scratch, const std::map<std::string, std::string>& env, const std::string& file);

}  // namespace zumtest
