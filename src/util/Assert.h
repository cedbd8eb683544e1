// Internal consistency checks. Both forms write
//   Assertion at <file>:<line>: Assertion '<condition>' failed.
// to standard error. `file` names the program unit (such as "DefineRecord"),
// `condition` the checked expression with its explanation joined by "&&".
#pragma once

// Stops the process through the abort signal; the application's signal
// handler turns that into its message and exit code 19.
[[noreturn]] void U_assertAbort(const char* file, int line, const char* condition);

// What U_assertAbort does after the assertion line, instead of the abort
// signal: a fuzzing harness that runs the program in its own process throws
// from here to go on with its next input. It must not return. Null (the
// default) restores the abort signal.
using U_AssertionStop = void (*)();
void U_setAssertionStop(U_AssertionStop stop);

// The file a reader is going through and the line it is at: while one is
// set, an assertion adds the line "  in 'FILE' at line N" after its own,
// so that the user can find the damaged record. Set for the time of one
// file by a U_ReadingPlaceScope; the reader counts the lines.
struct U_ReadingPlace {
  const char* file = nullptr;
  unsigned long line = 0;
};

class U_ReadingPlaceScope {
 public:
  explicit U_ReadingPlaceScope(const U_ReadingPlace* place) noexcept;
  ~U_ReadingPlaceScope();
  U_ReadingPlaceScope(const U_ReadingPlaceScope&) = delete;
  U_ReadingPlaceScope& operator=(const U_ReadingPlaceScope&) = delete;

 private:
  const U_ReadingPlace* outer_;
};

// Throws U_AssertException, which ends the run with exit code 18.
[[noreturn]] void U_assertThrow(const char* file, int line, const char* condition);

inline void U_require(bool ok, const char* file, int line, const char* condition) {
  if (!ok) [[unlikely]]
    U_assertAbort(file, line, condition);
}

inline void U_check(bool ok, const char* file, int line, const char* condition) {
  if (!ok) [[unlikely]]
    U_assertThrow(file, line, condition);
}
