#include "core/Progress.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace scan {

namespace {

bool stderrIsTerminal() {
  const char* term = std::getenv("TERM");
  return ::isatty(2) && term && std::strcmp(term, "dumb") != 0;
}

}  // namespace

Progress::Progress(std::size_t total, bool quiet)
    : total_(total), quiet_(quiet), terminal_(stderrIsTerminal()), width_(static_cast<int>(std::to_string(total).size())) {}

Progress::~Progress() { finish(); }

void Progress::clearStatus() {
  if (statusShown_) std::fputs("\r\033[K", stderr);
  statusShown_ = false;
}

void Progress::unitDone(std::string_view name) {
  ++done_;
  if (quiet_) return;
  clearStatus();
  std::fprintf(stderr, "[%*zu/%zu] %.*s", width_, done_, total_, static_cast<int>(name.size()), name.data());
  if (terminal_) {
    statusShown_ = true;
  } else {
    std::fputc('\n', stderr);
  }
  std::fflush(stderr);
}

void Progress::message(std::string_view text) {
  clearStatus();
  std::fwrite(text.data(), 1, text.size(), stderr);
  if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
  std::fflush(stderr);
}

void Progress::finish() {
  if (statusShown_) std::fputc('\n', stderr);
  statusShown_ = false;
  std::fflush(stderr);
}

}  // namespace scan
