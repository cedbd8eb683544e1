#include "core/Analyse.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "core/AtomicFile.h"
#include "core/Paths.h"

namespace scan {

namespace {

// Runs `args` and waits; the exit code, or -1 when it could not run.
int runProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::cout.flush();
  std::fflush(stdout);
  pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    ::execvp(argv[0], argv.data());
    std::fprintf(stderr, "zum-scan: cannot run %s: %s\n", argv[0], std::strerror(errno));
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

// zum needs the compiler directory of its product (which holds its
// configuration file) and a directory for temporary files; a user who set
// neither gets empty ones in the output directory.
void prepareEnvironment(const std::string& outputDir) {
  for (const char* variable : {"ZEKBIN", "ZEKPPBIN"}) {
    const char* value = std::getenv(variable);
    if (value && *value) continue;
    const std::string dir = outputDir + "/zumbin";
    std::string ignored;
    makeDirectories(dir, ignored);
    for (const char* config : {"/zek.cfg", "/zekpp.cfg"})
      if (::access((dir + config).c_str(), F_OK) != 0) std::ofstream(dir + config);
    ::setenv(variable, dir.c_str(), 1);
  }
  const char* tmp = std::getenv("TMP");
  if (!tmp || !*tmp) {
    const char* tmpdir = std::getenv("TMPDIR");
    ::setenv("TMP", tmpdir && *tmpdir ? tmpdir : "/tmp", 1);
  }
}

void showMetrics(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << line << "\n";
  }
}

}  // namespace

std::string siblingProgram(const std::string& name) {
  std::vector<char> self(4096);
  ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (n > 0) {
    const std::string candidate = std::string(directoryOf(std::string_view(self.data(), static_cast<std::size_t>(n)))) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return name;
}

int analyseProject(const AnalysisRun& run) {
  const std::string project = run.outputDir + "/project";
  // zum appends to the project files it finds and reads them back: a fresh
  // analysis starts without them.
  std::remove((project + ".met").c_str());
  std::remove((project + ".err").c_str());
  prepareEnvironment(run.outputDir);

  const std::string here = currentDirectory();
  const std::string zum = run.zum.empty() ? siblingProgram("zum") : run.zum;
  std::cout << "$ zum " << run.product << " -cmaf " << displayPath(project, here) << " -list "
            << displayPath(run.listFile, here) << "\n";
  const int code = runProgram({zum, run.product, "-cmaf", project, "-list", run.listFile});
  if (code != 0) {
    std::cerr << "zum-scan: " << (code < 0 ? "cannot run " + zum : "zum ended with exit code " + std::to_string(code))
              << "\n";
    return 1;
  }
  std::cout << "\n$ zum-report " << displayPath(project + ".err", here) << "\n";
  if (runProgram({siblingProgram("zum-report"), project + ".err"}) != 0) {
    std::cerr << "zum-scan: zum-report could not show the findings\n";
    return 1;
  }
  std::cout << "\nProject metrics (" << displayPath(project + ".met", here) << "):\n";
  showMetrics(project + ".met");
  return 0;
}

}  // namespace scan
