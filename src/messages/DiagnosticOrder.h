// The two orders of diagnostics.
//
// The diagnostic order sorts the diagnostics of one error file the way a
// reader of the source expects them (by line of the primary source, then
// headers) and finds duplicates. The identity order is cheaper on
// locations (file handles, not paths) and keys the run-wide set of
// diagnostics already seen.
#pragma once

#include "util/Ref.h"

class M_Diagnostic;

// Negative, 0 or positive like a three-way comparison.
int M_compareDiagnostics(const M_Diagnostic& a, const M_Diagnostic& b);
int M_compareDiagnosticIdentity(const M_Diagnostic& a, const M_Diagnostic& b);

struct M_DiagnosticLess {
  bool operator()(const M_Diagnostic& a, const M_Diagnostic& b) const { return M_compareDiagnostics(a, b) < 0; }
  bool operator()(const U_Handle<M_Diagnostic>& a, const U_Handle<M_Diagnostic>& b) const {
    return M_compareDiagnostics(*a, *b) < 0;
  }
};

struct M_DiagnosticIdentityLess {
  bool operator()(const M_Diagnostic& a, const M_Diagnostic& b) const {
    return M_compareDiagnosticIdentity(a, b) < 0;
  }
  bool operator()(const U_Handle<M_Diagnostic>& a, const U_Handle<M_Diagnostic>& b) const {
    return M_compareDiagnosticIdentity(*a, *b) < 0;
  }
};
