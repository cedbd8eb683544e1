#include "metricfile/MetricOutput.h"

#include <memory>

#include "metricfile/MetricNull.h"
#include "metricfile/MetricZEK.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace {

struct MetricOutput {
  std::unique_ptr<M_MetricBase> writer;
};

MetricOutput& output() { return zum::ProcessState::get<MetricOutput>(); }

bool wantsStandardOutput() {
  const C_RunSettings& settings = C_runSettings();
  return settings.simpleOutput || settings.textOutput;
}

}  // namespace

void M_openMetricOutput(const zum::OutputLocation& location) {
  // The header memory is the process's, not the writer's: a metric for the
  // file and name of the last header continues that header's group even
  // across a reopening.
  M_closeMetricOutput();
  if (C_runSettings().nullMetricOutput) {
    output().writer = std::make_unique<M_MetricNull>();
    return;
  }
  auto writer = std::make_unique<M_MetricZEK>();
  if (wantsStandardOutput())
    writer->openByName("-");
  else
    writer->openForAppend(zum::projectName(location), location.outputDirectory);
  output().writer = std::move(writer);
}

void M_openMetricOutput() { M_openMetricOutput(zum::runOutputLocation()); }

void M_flushMetricOutput() {
  if (M_MetricBase* writer = M_metricWriter()) writer->flush();
}

void M_closeMetricOutput() {
  std::unique_ptr<M_MetricBase> writer = std::move(output().writer);
  if (writer) writer->close();
}

M_MetricBase* M_metricWriter() { return output().writer.get(); }

void M_writeSymbolMetric(const XF_Filename& file, std::string_view qualifiedName, std::string_view metricName,
                         int value) {
  if (!C_runSettings().metrics) return;
  if (M_MetricBase* writer = M_metricWriter()) writer->symbolMetricInt(metricName, file, qualifiedName, value);
}

void M_writeSymbolMetric(const U_Location& location, std::string_view qualifiedName, std::string_view metricName,
                         int value) {
  M_writeSymbolMetric(location.isSet() ? location.file() : XF_Filename(), qualifiedName, metricName, value);
}

void M_writeFileOrProjectMetric(const XF_Filename& file, std::string_view metricName, int value) {
  if (!C_runSettings().metrics) return;
  if (M_MetricBase* writer = M_metricWriter()) writer->fileOrProjectMetricInt(metricName, file, value);
}
