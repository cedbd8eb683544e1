// Whole runs of zum inside a fuzzing process: the files of a project are
// written to a scratch directory (in memory when /dev/shm is there), the
// run goes through the application's own entry, and what it leaves behind
// is checked.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/ZumApp.h"
#include "messages/InputVarnix.h"
#include "util/Assert.h"
#include "util/Exception.h"
#include "util/ProcessState.h"

namespace fuzzrun {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The scratch directory, with "out" for the per-source files and "bin" as
// the compiler directory of both products (empty configuration files).
// Runs name it in full: the working directory stays the fuzzer's, whose
// corpus paths may be relative.
inline const fs::path& scratchDirectory() {
  static const fs::path dir = [] {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "zum-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    fs::create_directories(fs::path(pattern) / "bin");
    writeFile(fs::path(pattern) / "bin" / "zek.cfg", "");
    writeFile(fs::path(pattern) / "bin" / "zekpp.cfg", "");
    for (const char* name : {"ZEKBIN", "ZEKPPBIN"}) ::setenv(name, (pattern + "/bin").c_str(), 1);
    for (const char* name : {"HOME", "TMP"}) ::setenv(name, pattern.c_str(), 1);
    for (const char* name : {"ZEKRCPATH", "ZEKPPRCPATH", "ZEKOUTPATH", "ZEKPPOUTPATH", "ZEKTEMPFILES", "LANG"}) {
      ::unsetenv(name);
    }
    return fs::path(pattern);
  }();
  static const bool removedAtExit = [] {
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(scratchDirectory(), ignored);
    });
    return true;
  }();
  (void)removedAtExit;
  return dir;
}

// A file of the scratch directory.
inline std::string at(const std::string& relative) { return (scratchDirectory() / relative).string(); }

// Empties "out" for the next input.
inline void freshOutputDirectory() {
  std::error_code ignored;
  fs::remove_all(at("out"), ignored);
  fs::create_directories(at("out"));
}

// The exit code of a run that a designed assertion stopped (exit code 19
// and the assertion line in a run of the program: the design asks for
// them on some damaged records, such as a DEFINE code of the wrong length).
constexpr int kStoppedByAssertion = -19;

struct AssertionStop {};
inline bool stoppedByAssertion = false;

// Unwinds the run from the assertion, as far as the application's last
// handler, instead of stopping the process.
[[noreturn]] inline void throwAssertionStop() {
  stoppedByAssertion = true;
  throw AssertionStop{};
}

// Runs the application with `arguments` (the product word first) and
// returns its exit code, or kStoppedByAssertion. The run installs the
// program's signal handlers; the fuzzer's and the sanitizers' are put back
// afterwards, and the run's state is dropped.
inline int runZum(const std::vector<std::string>& arguments) {
  constexpr std::array<int, 6> kSignals = {SIGINT, SIGABRT, SIGILL, SIGSEGV, SIGTERM, SIGFPE};
  std::array<struct sigaction, kSignals.size()> saved{};
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], nullptr, &saved[i]);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  int exitCode = 0;
  stoppedByAssertion = false;
  U_setAssertionStop(&throwAssertionStop);
  {
    U_Handle<XF_App> app = U_make<ZUMApp>();
    exitCode = XF_App::runApplication(static_cast<int>(argv.size()), argv.data(), app);
  }
  U_setAssertionStop(nullptr);
  if (stoppedByAssertion) exitCode = kStoppedByAssertion;
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &saved[i], nullptr);
  zum::ProcessState::reset();
  return exitCode;
}

// A run may end with success, a user error (a damaged input) or a designed
// assertion; an allocation failure, an unexpected exception or any other
// exit is a finding.
inline void expectUsualExit(int exitCode) {
  if (exitCode != 0 && exitCode != 18 && exitCode != kStoppedByAssertion) std::abort();
}

// Whatever the program writes to an error file must read back.
inline void expectReadable(const fs::path& errorFile) {
  if (!fs::exists(errorFile)) return;
  M_InputVarnix input(errorFile.string());
  input.setSource(XF_Filename(at("out/p")));
  try {
    input.open();
  } catch (const U_Exception&) {
    std::abort();
  }
  zum::ProcessState::reset();
}

// Every line of a metric file the program wrote ends with "\r\n".
inline bool linesWhole(std::string_view text) {
  std::size_t lineEnds = 0, crlf = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    ++lineEnds;
    if (i > 0 && text[i - 1] == '\r') ++crlf;
  }
  return lineEnds == crlf && (text.empty() || text.back() == '\n');
}

}  // namespace fuzzrun
