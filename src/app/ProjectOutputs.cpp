#include "app/ProjectOutputs.h"

#include <iostream>

#include "messages/Output.h"
#include "metricfile/MetricFileName.h"
#include "metricfile/MetricOutput.h"
#include "util/Exception.h"
#include "util/StringStore.h"

namespace zum {

namespace {

template <class Close>
void closeReporting(Close close) noexcept {
  try {
    close();
  } catch (const U_Exception& error) {
    std::cerr << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
  }
}

}  // namespace

void openProjectOutputs(const OutputLocation& location) {
  M_openDiagnosticOutput(location);
  M_openMetricOutput(location);
}

void closeProjectOutputs() {
  try {
    M_closeMetricOutput();
  } catch (...) {
    closeReporting([] { M_closeDiagnosticOutput(); });
    throw;
  }
  M_closeDiagnosticOutput();
}

void closeProjectOutputsReporting() noexcept {
  closeReporting([] { M_closeMetricOutput(); });
  closeReporting([] { M_closeDiagnosticOutput(); });
}

bool isProjectOutputFile(const OutputLocation& location, std::string_view fileName) {
  const U_Filename name(fileName);
  return name == U_Filename(M_metricFileName(projectName(location), location.outputDirectory)) ||
         name == U_Filename(M_projectErrorFileName(location));
}

}  // namespace zum
