#include "app/SignalHandler.h"

#include <unistd.h>

#include <csignal>
#include <initializer_list>

#include "util/GuardedAppendFile.h"

namespace zum {

namespace {

constexpr int kSignalExitCode = 19;

void writeAll(const char* text, std::size_t size) noexcept {
  while (size > 0) {
    const ssize_t written = ::write(STDERR_FILENO, text, size);
    if (written <= 0) return;
    text += written;
    size -= static_cast<std::size_t>(written);
  }
}

// Only async-signal-safe calls: no streams, no allocation, no unwinding.
extern "C" void onFatalSignal(int signal) {
  char text[64];
  std::size_t size = 0;
  for (const char* p = "Caught a signal. ("; *p; ++p) text[size++] = *p;
  char digits[12];
  int count = 0;
  unsigned number = static_cast<unsigned>(shownSignalNumber(signal));
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  while (count > 0) text[size++] = digits[--count];
  for (const char* p = ")\nPlease contact Halvorn.\n"; *p; ++p) text[size++] = *p;
  writeAll(text, size);
  // A project file being written ends with its last whole record, so the
  // next run neither misreads a torn record nor glues onto a cut line.
  GuardedAppendFile::cutBackAllOnSignal();
  ::_exit(kSignalExitCode);
}

}  // namespace

int shownSignalNumber(int signal) noexcept { return signal == SIGABRT ? 22 : signal; }

void installSignalHandlers() {
  for (int signal : {SIGINT, SIGABRT, SIGILL, SIGSEGV, SIGTERM, SIGFPE}) std::signal(signal, onFatalSignal);
}

}  // namespace zum
