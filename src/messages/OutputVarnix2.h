// The project error file output of the current generation (its file-level
// part: opening by the version rules, writing records, closing). If the
// existing file is of the older generation, it is appended to in that
// generation and suppression records are left out.
#pragma once

#include <memory>

#include "messages/ErrorFileOutput.h"
#include "util/String.h"

class M_OutputVarnix2 {
 public:
  explicit M_OutputVarnix2(bool showAlias) : showAlias_(showAlias) {}

  // Creates or appends to `fileName` (see M_ErrorFileOutput for the rules
  // and failures). Opening again closes the earlier file first.
  void open(const U_String& fileName);
  bool isOpen() const noexcept { return file_ != nullptr; }
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed);
  void writeSuppressionRecord(const M_SuppressionRecord& record);
  void close();

 private:
  bool showAlias_;
  std::unique_ptr<M_ErrorFileOutput> file_;
};
