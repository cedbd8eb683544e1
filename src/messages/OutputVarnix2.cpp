#include "messages/OutputVarnix2.h"

#include "messages/Diagnostic.h"
#include "messages/OutputGates.h"
#include "options/RunSettings.h"
#include "util/Assert.h"

void M_OutputVarnix2::open(const U_String& fileName) {
  close();
  file_ = std::make_unique<M_ErrorFileOutput>(fileName, M_ErrorFileFormat::Generation::kCurrent, showAlias_);
}

void M_OutputVarnix2::sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  if (!M_passesQuietFilter(diagnostic)) return;
  if (C_runSettings().compressOutput && !M_isMessageSelected(diagnostic.messageNumber())) return;
  writeDiagnostic(diagnostic, suppressed);
}

void M_OutputVarnix2::writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  U_check(file_ != nullptr, "OutputVarnix2", __LINE__, "file_ != nullptr && \"Cannot write before open().\"");
  file_->writeDiagnostic(diagnostic, suppressed);
}

void M_OutputVarnix2::writeSuppressionRecord(const M_SuppressionRecord& record) {
  U_check(file_ != nullptr, "OutputVarnix2", __LINE__, "file_ != nullptr && \"Cannot write before open().\"");
  file_->writeSuppressionRecord(record);
}

void M_OutputVarnix2::flush() {
  if (file_) file_->flush();
}

void M_OutputVarnix2::close() {
  if (!file_) return;
  // Dropped even when closing fails: the file is given up either way.
  std::unique_ptr<M_ErrorFileOutput> closing = std::move(file_);
  closing->close();
}
