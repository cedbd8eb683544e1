#include "util/Assert.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

#include "util/Exception.h"

namespace {

U_AssertionStop assertionStop = nullptr;
const U_ReadingPlace* readingPlace = nullptr;

void report(const char* file, int line, const char* condition) {
  std::cout.flush();
  std::cerr << "Assertion" << " at " << file << ":" << line << ": Assertion '" << condition << "' failed."
            << std::endl;
  if (readingPlace && readingPlace->file) {
    std::cerr << "  in '" << readingPlace->file << "' at line " << readingPlace->line << std::endl;
  }
}

}  // namespace

U_ReadingPlaceScope::U_ReadingPlaceScope(const U_ReadingPlace* place) noexcept : outer_(readingPlace) {
  readingPlace = place;
}

U_ReadingPlaceScope::~U_ReadingPlaceScope() { readingPlace = outer_; }

void U_setAssertionStop(U_AssertionStop stop) { assertionStop = stop; }

void U_assertAbort(const char* file, int line, const char* condition) {
  report(file, line, condition);
  if (assertionStop) assertionStop();
  std::raise(SIGABRT);
  // Only reached when the abort signal is caught and the handler returns.
  std::_Exit(19);
}

void U_assertThrow(const char* file, int line, const char* condition) {
  report(file, line, condition);
  throw U_AssertException();
}
