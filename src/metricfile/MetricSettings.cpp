#include "metricfile/MetricSettings.h"

#include <optional>

#include "options/CmdArgs.h"
#include "options/DebugSwitches.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct MetricSettings {
  std::optional<bool> metricsWanted;
  std::optional<bool> alwaysFlush;
  std::optional<bool> forwardSlashes;
};

template <class Read>
bool readOnce(std::optional<bool>& kept, Read read) {
  if (!kept) kept = read();
  return *kept;
}

}  // namespace

bool metricsWanted() {
  return readOnce(ProcessState::get<MetricSettings>().metricsWanted,
                  [] { return C_publishedOptions().metrics().value(); });
}

bool alwaysFlushMetricLines() {
  return readOnce(ProcessState::get<MetricSettings>().alwaysFlush,
                  [] { return C_isDebugSwitchSet("always-flush"); });
}

bool keepForwardSlashesInMetrics() {
  return readOnce(ProcessState::get<MetricSettings>().forwardSlashes,
                  [] { return C_isDebugSwitchSet("os-independent-slash"); });
}

}  // namespace zum
