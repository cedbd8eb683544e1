// The project error file output of the older generation (debug switch
// "zekoutput"). It writes diagnostics only. If the existing file is of the
// current generation, it is appended to in that generation.
#pragma once

#include <memory>

#include "messages/ErrorFileOutput.h"
#include "messages/OutputBase.h"
#include "util/String.h"

class M_OutputVarnix final : public M_OutputBase {
 public:
  // "showalias" decides which text form of an entity's display name is written.
  explicit M_OutputVarnix(bool showAlias) : showAlias_(showAlias) {}

  void open(const U_String& fileName);
  bool isOpen() const noexcept { return file_ != nullptr; }
  void close() override;
  void flush() override;
  // The only gate is the quiet filter.
  void sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  // This output never writes suppression records.
  void writeSuppressionRecord(const M_SuppressionRecord&) override {}

 private:
  bool showAlias_;
  std::unique_ptr<M_ErrorFileOutput> file_;
};
