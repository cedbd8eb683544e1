// Turns a fatal signal (including the abort raised by a failed assertion)
// into the program's last words and exit code 19.
#pragma once

namespace zum {

// For SIGINT, SIGABRT, SIGILL, SIGSEGV, SIGTERM and SIGFPE, in that order.
void installSignalHandlers();

// The number the messages show for `signal`: the abort signal keeps the
// number users know from the original platform (22); the others agree.
int shownSignalNumber(int signal) noexcept;

}  // namespace zum
