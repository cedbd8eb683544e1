#include "messages/Output.h"

#include <iostream>

#include "messages/ErrorFileName.h"
#include "messages/OutputFormat.h"
#include "messages/OutputSimple.h"
#include "messages/OutputVarnix.h"
#include "messages/OutputVarnix2.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace {

struct DiagnosticOutput {
  std::unique_ptr<M_OutputBase> output;
};

DiagnosticOutput& state() { return zum::ProcessState::get<DiagnosticOutput>(); }

bool showAlias() { return C_runSettings().showAlias; }

}  // namespace

M_OutputKind M_selectedOutputKind() {
  const C_RunSettings& settings = C_runSettings();
  if (settings.simpleOutput) return M_OutputKind::kSimple;
  if (settings.textOutput) return M_OutputKind::kFormat;
  if (settings.olderErrorFile) return M_OutputKind::kOlder;
  return M_OutputKind::kCurrent;
}

U_String M_projectErrorFileName(const zum::OutputLocation& location) {
  return M_errorFileName(location.outputDirectory, zum::projectName(location));
}

void M_openDiagnosticOutput(const zum::OutputLocation& location) {
  M_closeDiagnosticOutput();
  switch (M_selectedOutputKind()) {
    case M_OutputKind::kSimple:
      M_installDiagnosticOutput(std::make_unique<M_OutputSimple>());
      return;
    case M_OutputKind::kFormat:
      M_installDiagnosticOutput(std::make_unique<M_OutputFormat>());
      return;
    case M_OutputKind::kOlder: {
      auto output = std::make_unique<M_OutputVarnix>(showAlias());
      output->open(M_projectErrorFileName(location));
      M_installDiagnosticOutput(std::move(output));
      return;
    }
    case M_OutputKind::kCurrent: {
      auto output = std::make_unique<M_OutputVarnix2>(showAlias());
      output->open(M_projectErrorFileName(location));
      M_installDiagnosticOutput(std::move(output));
      return;
    }
  }
}

void M_installDiagnosticOutput(std::unique_ptr<M_OutputBase> output) {
  M_closeDiagnosticOutput();
  state().output = std::move(output);
}

void M_flushDiagnosticOutput() {
  if (state().output) state().output->flush();
}

void M_closeDiagnosticOutput() {
  // Taken out first: whatever closing raises, the output is gone.
  std::unique_ptr<M_OutputBase> closing = std::move(state().output);
  if (closing) closing->close();
}

M_OutputBase* M_diagnosticOutput() { return state().output.get(); }

void M_sendSuppressionRecord(const M_SuppressionRecord& record) {
  M_OutputBase* output = M_diagnosticOutput();
  if (!output) {
    std::cerr << "M_Output:117: Cannot send information before open().\n" << std::flush;
    throw M_OutputNotOpen{};
  }
  output->writeSuppressionRecord(record);
}
