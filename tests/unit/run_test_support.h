// Helpers of the tests that need the command line of a run: publishing one
// built from arguments alone, and the environment an in-process run of the
// application needs.
#pragma once

#include <stdlib.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "options/DebugSwitches.h"
#include "options/RunSettings.h"
#include "options_test_support.h"

namespace runtest {

// Makes the command line of `product` with `arguments` the run's, with its
// debug switches and settings, as the driver does.
inline void publishCommandLine(const std::vector<std::string>& arguments, const std::string& product = "ZEK") {
  optionstest::Parsed parsed = optionstest::parseArguments(product, arguments);
  C_CmdArgs::publish(parsed.cmdArgs);
  C_publishDebugValues(parsed.cmdArgs->options().debug().values());
  C_publishRunSettings(C_readRunSettings(*parsed.cmdArgs));
}

// A scratch directory and the variables a run reads (compiler directory
// with an empty configuration file, HOME, TMP), restored afterwards. The
// signal handlers an application run installs are put back to their
// defaults, so that later failures of the test process are not taken for
// a run's.
class RunEnvironment {
 public:
  RunEnvironment() {
    std::filesystem::create_directories(dir_ / "bin");
    std::ofstream(dir_ / "bin" / "zek.cfg");
    set("ZEKBIN", (dir_ / "bin").string());
    set("HOME", dir_.string());
    set("TMP", dir_.string());
    set("ZEKTEMPFILES", std::nullopt);
    set("ZEKOUTPATH", std::nullopt);
  }
  ~RunEnvironment() {
    for (int signal : {SIGINT, SIGABRT, SIGILL, SIGSEGV, SIGTERM, SIGFPE}) std::signal(signal, SIG_DFL);
    for (const auto& [name, value] : saved_) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
  }
  RunEnvironment(const RunEnvironment&) = delete;
  RunEnvironment& operator=(const RunEnvironment&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::string path(const std::string& relative) const { return (dir_ / relative).string(); }

 private:
  void set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = ::getenv(name.c_str());
    saved_.emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) ::setenv(name.c_str(), value->c_str(), 1);
    else ::unsetenv(name.c_str());
  }

  zumtest::ScratchDir scratch_{"zum-run"};
  const std::filesystem::path& dir_ = scratch_.dir();
  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace runtest
