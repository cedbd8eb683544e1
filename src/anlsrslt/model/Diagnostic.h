// A diagnostic as modules see it: a message-library diagnostic with the
// file name it is reported for.
#pragma once

#include "messages/Diagnostic.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_Diagnostic final : public U_Ref {
 public:
  // Tells a live diagnostic handle from a stray pointer.
  static constexpr int kSanity = 4711;

  // The file name must be set.
  P_Diagnostic(U_Filename filename, U_Handle<M_Diagnostic> diagnostic, bool madeByModule);

  int sanity() const noexcept { return sanity_; }
  U_Filename filename() const noexcept { return filename_; }
  M_Diagnostic& diagnostic() const noexcept { return *diagnostic_; }
  const U_Handle<M_Diagnostic>& handle() const noexcept { return diagnostic_; }
  // Made through PI_createDiagnostic: the module owns it until PI_warn.
  // Diagnostics delivered by the events belong to the model.
  bool madeByModule() const noexcept { return madeByModule_; }

 private:
  int sanity_ = kSanity;
  U_Filename filename_;
  U_Handle<M_Diagnostic> diagnostic_;
  bool madeByModule_;
};

// A diagnostic read from an error file, under the name of its own
// location's file ("" without a location).
U_Handle<P_Diagnostic> P_wrapDiagnostic(U_Handle<M_Diagnostic> diagnostic);
