// The project error file output of the current generation (the normal
// output of a run). If the existing file is of the older generation, it is
// appended to in that generation and suppression records are left out.
#pragma once

#include <memory>

#include "messages/ErrorFileOutput.h"
#include "messages/OutputBase.h"
#include "util/String.h"

class M_OutputVarnix2 final : public M_OutputBase {
 public:
  // "showalias" decides which text form of an entity's display name is written.
  explicit M_OutputVarnix2(bool showAlias) : showAlias_(showAlias) {}

  // Creates or appends to `fileName` (see M_ErrorFileOutput for the rules
  // and failures). Opening again closes the earlier file first.
  void open(const U_String& fileName);
  bool isOpen() const noexcept { return file_ != nullptr; }
  void close() override;
  void flush() override;
  // Gates: the quiet filter; then, with the debug switch "compress-output",
  // the message selection ("nomsg", "only"), so that deselected messages do
  // not take room in the file.
  void sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeSuppressionRecord(const M_SuppressionRecord& record) override;

 private:
  bool showAlias_;
  std::unique_ptr<M_ErrorFileOutput> file_;
};
