// The project error file output of the older generation (its file-level
// part). It writes diagnostics only. If the existing file is of the
// current generation, it is appended to in that generation.
#pragma once

#include <memory>

#include "messages/ErrorFileOutput.h"
#include "util/String.h"

class M_OutputVarnix {
 public:
  explicit M_OutputVarnix(bool showAlias) : showAlias_(showAlias) {}

  void open(const U_String& fileName);
  bool isOpen() const noexcept { return file_ != nullptr; }
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed);
  // This output never writes suppression records.
  void writeSuppressionRecord(const M_SuppressionRecord&) {}
  void close();

 private:
  bool showAlias_;
  std::unique_ptr<M_ErrorFileOutput> file_;
};
