#include "messages/OutputVarnix.h"

#include "messages/Diagnostic.h"
#include "messages/OutputGates.h"
#include "util/Assert.h"

void M_OutputVarnix::open(const U_String& fileName) {
  close();
  file_ = std::make_unique<M_ErrorFileOutput>(fileName, M_ErrorFileFormat::Generation::kOlder, showAlias_);
}

void M_OutputVarnix::sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  if (M_passesQuietFilter(diagnostic)) writeDiagnostic(diagnostic, suppressed);
}

void M_OutputVarnix::writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  U_check(file_ != nullptr, "OutputVarnix", __LINE__, "file_ != nullptr && \"Cannot write before open().\"");
  file_->writeDiagnostic(diagnostic, suppressed);
}

void M_OutputVarnix::flush() {
  if (file_) file_->flush();
}

void M_OutputVarnix::close() {
  if (!file_) return;
  std::unique_ptr<M_ErrorFileOutput> closing = std::move(file_);
  closing->close();
}
