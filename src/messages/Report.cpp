#include "messages/Report.h"

#include <iostream>

#include "messages/Diagnostic.h"
#include "messages/Output.h"
#include "messages/OutputGates.h"
#include "options/RunSettings.h"

namespace {

[[noreturn]] void notOpen(int line) {
  std::cerr << "M_Output:" << line << ": Cannot send information before open().\n" << std::flush;
  throw M_OutputNotOpen{};
}

}  // namespace

void M_sendDiagnostic(const M_Diagnostic& diagnostic) {
  M_OutputBase* output = M_diagnosticOutput();
  if (diagnostic.isError()) {
    if (!output) notOpen(99);
    output->writeDiagnostic(diagnostic, false);
    return;
  }
  bool suppressed = diagnostic.isHiddenByPragma();
  const U_Location& location = diagnostic.location();
  if (!suppressed && C_runSettings().hideMacroWarnings && location.isSet() && location.hasMacroHist()) {
    suppressed = true;
  }
  if (!output) notOpen(81);
  output->sendDiagnostic(diagnostic, suppressed);
}
