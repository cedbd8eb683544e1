// STNEA: the entry points of the project.
#include "anlsrslt/include/PI_Interface.h"
#include "checks/MessageNumbers.h"
#include "checks/UnusedExternal.h"
#include "metrics/FunctionMetrics.h"
#include "metrics/MetricSum.h"
#include "metricfile/MetricOutput.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct EntryPointState {
  unsigned diagnostics = 0;  // 3219 received, not suppressed
  unsigned mainDefinitions = 0;
};

EntryPointState& state() { return ProcessState::get<EntryPointState>(); }

// Duplicates of a diagnostic seen in an earlier source count again.
void countDiagnostic(PI_DiagnosticHandle diagnostic, unsigned char, unsigned char suppressed) {
  if (!suppressed && PI_getDiagnosticID(diagnostic) == msg::kEntryPointDiagnostic) ++state().diagnostics;
}

void countMain(PI_SymbolHandle, PI_DefineHandle define) {
  if (PI_isDefineMain(define)) ++state().mainDefinitions;
}

void recordSTNEA() {
  const EntryPointState& counts = state();
  MetricSum sum;
  sum.add(static_cast<int>(unusedExternalFunctionDefinitions()));
  sum.add(static_cast<int>(counts.diagnostics));
  sum.add(counts.mainDefinitions > 0 ? 1 : 0);
  M_writeFileOrProjectMetric(XF_Filename(), "STNEA", sum.value());
}

}  // namespace

void configureSTNEA() {
  PI_configureOnAllDefine(&recordSTNEA);
  PI_configureOnMessage(msg::kEntryPointDiagnostic, &countDiagnostic);
  PI_configureOnDefinition(&countMain);
  state().diagnostics = 0;
}

}  // namespace zum
