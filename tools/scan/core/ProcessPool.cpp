#include "core/ProcessPool.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <vector>

namespace scan {

namespace {

volatile std::sig_atomic_t interrupted = 0;

void noteInterrupt(int) { interrupted = 1; }

// Catches SIGINT and SIGTERM for as long as it lives; poll() is not
// restarted, so the loop sees the flag at once.
class InterruptGuard {
 public:
  InterruptGuard() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = &noteInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~InterruptGuard() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
  }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

struct Running {
  std::size_t index;
  pid_t pid;
  int fd;  // read end of the child's pipe
  std::string text;
};

void writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

[[noreturn]] void runChild(std::size_t index, int fd, const PoolCallbacks& callbacks) {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  std::string text;
  int code = 0;
  try {
    text = callbacks.work(index);
  } catch (const std::exception& failure) {
    text = std::string("F") + failure.what();
    code = 1;
  }
  writeAll(fd, text);
  std::fflush(stdout);
  std::fflush(stderr);
  // No destructors of the parent's objects run in the child.
  ::_exit(code);
}

pid_t startChild(std::size_t index, std::vector<Running>& running, const PoolCallbacks& callbacks) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
  std::fflush(stdout);
  std::fflush(stderr);
  pid_t pid = ::fork();
  if (pid < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    throw std::runtime_error(std::string("cannot start a process: ") + std::strerror(errno));
  }
  if (pid == 0) {
    ::close(fds[0]);
    for (const Running& other : running) ::close(other.fd);
    runChild(index, fds[1], callbacks);
  }
  ::close(fds[1]);
  running.push_back({index, pid, fds[0], {}});
  return pid;
}

ChildOutcome reap(Running& child) {
  ::close(child.fd);
  int status = 0;
  while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
  }
  ChildOutcome outcome;
  outcome.text = std::move(child.text);
  if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
  return outcome;
}

// Reads what is there; true when the child closed its end.
bool readSome(Running& child) {
  char buffer[8192];
  ssize_t n = ::read(child.fd, buffer, sizeof buffer);
  if (n < 0) return errno != EINTR && errno != EAGAIN;
  if (n == 0) return true;
  child.text.append(buffer, static_cast<std::size_t>(n));
  return false;
}

}  // namespace

bool runInChildren(std::size_t count, int jobs, const PoolCallbacks& callbacks) {
  InterruptGuard guard;
  std::vector<Running> running;
  std::size_t next = 0;
  while (!interrupted && (next < count || !running.empty())) {
    while (!interrupted && next < count && running.size() < static_cast<std::size_t>(jobs))
      startChild(next++, running, callbacks);
    std::vector<pollfd> polls;
    for (const Running& child : running) polls.push_back({child.fd, POLLIN, 0});
    // A short timeout: an interrupt that comes just before poll() is seen.
    if (::poll(polls.data(), polls.size(), 250) <= 0) continue;
    for (std::size_t i = polls.size(); i-- > 0;) {
      if (!(polls[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      if (!readSome(running[i])) continue;
      Running child = std::move(running[i]);
      running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
      ChildOutcome outcome = reap(child);
      callbacks.done(child.index, outcome);
    }
  }
  if (!interrupted) return true;
  for (Running& child : running) ::kill(child.pid, SIGTERM);
  for (Running& child : running) {
    reap(child);
    callbacks.abandoned(child.index, static_cast<long>(child.pid));
  }
  return false;
}

}  // namespace scan
