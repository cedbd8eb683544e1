// STNRA: the recursions of the project.
#include "anlsrslt/include/PI_Interface.h"
#include "checks/MessageNumbers.h"
#include "checks/Recursion.h"
#include "metrics/FunctionMetrics.h"
#include "metrics/MetricSum.h"
#include "metricfile/MetricOutput.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct RecursionMetricState {
  unsigned diagnostics = 0;  // 3670 received, not suppressed
};

RecursionMetricState& state() { return ProcessState::get<RecursionMetricState>(); }

// Duplicates of a diagnostic seen in an earlier source count again.
void countDiagnostic(PI_DiagnosticHandle diagnostic, unsigned char, unsigned char suppressed) {
  if (!suppressed && PI_getDiagnosticID(diagnostic) == msg::kRecursionDiagnostic) ++state().diagnostics;
}

void recordSTNRA() {
  MetricSum sum;
  sum.add(static_cast<int>(indirectRecursionCount()));
  sum.add(static_cast<int>(state().diagnostics));
  M_writeFileOrProjectMetric(XF_Filename(), "STNRA", sum.value());
}

}  // namespace

void configureSTNRA() {
  PI_configureOnAllDefine(&recordSTNRA);
  PI_configureOnMessage(msg::kRecursionDiagnostic, &countDiagnostic);
  state().diagnostics = 0;
}

}  // namespace zum
