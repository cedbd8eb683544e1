// Runs jobs in child processes, a few at a time. A child works on one job
// and sends a text back through a pipe; a child that crashes takes only its
// own job with it. Ctrl-C (SIGINT) or SIGTERM stops the pool: the running
// children are ended and the caller learns which jobs were cut short.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace scan {

struct ChildOutcome {
  std::string text;  // what the child sent back
  int exitCode = 0;  // when it exited
  int signal = 0;    // when a signal ended it
};

struct PoolCallbacks {
  // In the child: does job `index` and returns the text for the parent.
  std::function<std::string(std::size_t index)> work;
  // In the parent, as each job ends (in the order they end).
  std::function<void(std::size_t index, const ChildOutcome& outcome)> done;
  // In the parent, after an interruption, for each job that was running in
  // the child `pid`.
  std::function<void(std::size_t index, long pid)> abandoned;
};

// Runs jobs 0 to count-1, at most `jobs` at once. False when interrupted.
bool runInChildren(std::size_t count, int jobs, const PoolCallbacks& callbacks);

}  // namespace scan
