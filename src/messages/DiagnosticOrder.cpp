#include "messages/DiagnosticOrder.h"

#include "messages/Diagnostic.h"
#include "util/Location.h"

namespace {

template <class T>
int compareValues(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// A diagnostic without a place sorts as line 0, column 0 of no file.
int lineOf(const U_Location& location) { return location.isSet() ? location.line() : 0; }
int columnOf(const U_Location& location) { return location.isSet() ? location.column() : 0; }

std::string_view absolutePathOf(const U_Location& location) {
  return location.isSet() ? location.file().absolute().view() : std::string_view();
}

// Message number, parameter count, then the parameters' texts byte-wise.
int compareMessageAndParams(const M_Diagnostic& a, const M_Diagnostic& b) {
  if (int c = compareValues(a.messageNumber(), b.messageNumber())) return c;
  if (int c = compareValues(a.paramCount(), b.paramCount())) return c;
  for (std::size_t i = 0; i < a.paramCount(); ++i) {
    const int c = a.param(i)->text().compare(b.param(i)->text());
    if (c != 0) return c < 0 ? -1 : 1;
  }
  return 0;
}

}  // namespace

int M_compareDiagnostics(const M_Diagnostic& a, const M_Diagnostic& b) {
  const U_Location& la = a.location();
  const U_Location& lb = b.location();
  if (int c = compareValues(lineOf(la.outermost()), lineOf(lb.outermost()))) return c;
  const bool includedA = la.hasInclLoc();
  const bool includedB = lb.hasInclLoc();
  if (includedA != includedB) return includedA ? 1 : -1;
  if (includedA) {
    // string_view compares like memcmp: bytes as unsigned.
    const int c = absolutePathOf(la).compare(absolutePathOf(lb));
    if (c != 0) return c < 0 ? -1 : 1;
  }
  if (int c = compareValues(lineOf(la), lineOf(lb))) return c;
  if (int c = compareValues(columnOf(la), columnOf(lb))) return c;
  return compareMessageAndParams(a, b);
}

int M_compareDiagnosticIdentity(const M_Diagnostic& a, const M_Diagnostic& b) {
  if (U_isLocationLess(a.location(), b.location())) return -1;
  if (U_isLocationLess(b.location(), a.location())) return 1;
  return compareMessageAndParams(a, b);
}
