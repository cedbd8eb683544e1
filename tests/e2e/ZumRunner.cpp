#include "ZumRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace zumtest {

namespace fs = std::filesystem;

RunResult run(const std::string& program, const std::vector<std::string>& args, const RunOptions& options) {
  int outPipe[2], errPipe[2], inPipe[2];
  if (::pipe(outPipe) || ::pipe(errPipe) || ::pipe(inPipe)) throw std::runtime_error("pipe failed");

  std::vector<std::string> envStrings;
  for (const auto& [key, value] : options.env) envStrings.push_back(key + "=" + value);
  std::vector<char*> envp;
  for (auto& s : envStrings) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argStrings) argv.push_back(s.data());
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(inPipe[0], 0);
    ::dup2(outPipe[1], 1);
    ::dup2(errPipe[1], 2);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1], inPipe[0], inPipe[1]}) ::close(fd);
    if (!options.cwd.empty() && ::chdir(options.cwd.c_str()) != 0) ::_exit(127);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  ::close(inPipe[0]);
  if (!options.stdinText.empty()) {
    ssize_t ignored = ::write(inPipe[1], options.stdinText.data(), options.stdinText.size());
    (void)ignored;
  }
  ::close(inPipe[1]);

  RunResult result;
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  char buffer[65536];
  while (open > 0) {
    if (::poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

std::map<std::string, std::string> standardEnv(const Scratch& scratch) {
  fs::create_directories(scratch.path("bin"));
  fs::create_directories(scratch.path("home"));
  fs::create_directories(scratch.path("tmp"));
  std::map<std::string, std::string> env;
  env["PATH"] = "/usr/bin:/bin";
  env["HOME"] = scratch.path("home").string();
  env["TMP"] = scratch.path("tmp").string();
  env["ZEKBIN"] = scratch.path("bin").string();
  env["ZEKPPBIN"] = scratch.path("bin").string();
  // Sanitizer builds must keep their own settings.
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env[name] = value;
  }
  return env;
}

RunResult runZum(const Scratch& scratch, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env) {
  RunOptions options;
  options.cwd = scratch.dir();
  options.env = env;
  return run(ZUM_BINARY, args, options);
}

RunResult runZum(const Scratch& scratch, const std::vector<std::string>& args) {
  return runZum(scratch, args, standardEnv(scratch));
}

const std::string kUsage =
    "usage: \n"
    "  zum <product> -cmaf <file> [options...] f1...fn\n"
    "  zum <product> -cmaf <file> [options...] -list filelist\n";

ZumTest::ZumTest() : env_(standardEnv(scratch_)) {
  scratch_.write("bin/zek.cfg", "");
  scratch_.write("bin/zekpp.cfg", "");
}

RunResult ZumTest::runIn(const std::string& dir, const std::string& program,
                         const std::vector<std::string>& args) const {
  RunOptions options;
  options.cwd = scratch_.path(dir);
  options.env = env_;
  return zumtest::run(program, args, options);
}

std::string ZumTest::dump(const std::string& file) const {
  const RunResult r = errDump(scratch_, env_, file);
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  return r.out;
}

void ZumTest::copyExample(const std::string& example, const std::string& dir) const {
  fs::copy(fs::path(ZUM_FIXTURES_DIR) / ".." / ".." / "examples" / example, scratch_.path(dir),
           fs::copy_options::recursive);
}

std::string toolPath(const std::string& relative) { return (fs::path(ZUM_TOOLS_DIR) / relative).string(); }

RunResult runTool(const Scratch& scratch, const std::string& tool, const std::vector<std::string>& args) {
  RunOptions options;
  options.cwd = scratch.dir();
  options.env = standardEnv(scratch);
  return run(toolPath(tool), args, options);
}

RunResult errDump(const Scratch& scratch, const std::map<std::string, std::string>& env, const std::string& file) {
  RunOptions options;
  options.cwd = scratch.dir();
  options.env = env;
  RunResult r = run(toolPath("zum-errdump"), {file}, options);
  r.out = std::regex_replace(std::regex_replace(r.out, std::regex(", [0-9]+ bytes"), ""), std::regex("@[0-9]+ "), "");
  return r;
}

}  // namespace zumtest
