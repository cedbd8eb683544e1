#include "app/ProjectOutputs.h"

#include <iostream>

#include "messages/Output.h"
#include "metricfile/MetricFileName.h"
#include "metricfile/MetricOutput.h"
#include "util/Exception.h"
#include "util/GuardedAppendFile.h"
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
  try {
    M_openMetricOutput(location);
  } catch (...) {
    // The error file may have gained a section start already.
    GuardedAppendFile::cutBackAllOpen();
    throw;
  }
}

void closeProjectOutputs() {
  // Everything is written before either file is closed: while both are
  // open, a failure of one cuts back the other too, so a run that fails
  // leaves neither of them changed.
  try {
    M_flushMetricOutput();
    M_flushDiagnosticOutput();
  } catch (...) {
    closeProjectOutputsReporting();
    throw;
  }
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
