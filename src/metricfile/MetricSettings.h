// The option and switches the metric output asks once per run and then
// keeps: each is read at its first use, not when the output is opened, so
// a writer made before the command line is complete still sees its values.
#pragma once

namespace zum {

// The option "metrics"; read at the first metric written.
bool metricsWanted();
// The switch "always-flush"; read at the first line written.
bool alwaysFlushMetricLines();
// The switch "os-independent-slash"; read at the first file name shown.
bool keepForwardSlashesInMetrics();

}  // namespace zum
