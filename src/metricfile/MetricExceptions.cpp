#include "metricfile/MetricExceptions.h"

namespace {

U_String cannotOpenText(std::string_view source, std::string_view outputDirectory) {
  U_String text = "Cannot write metric file for '";
  text += source;
  text += "' in output directory '";
  text += outputDirectory;
  text += "'.";
  return text;
}

}  // namespace

M_ZEKCannotOpenMetricFile::M_ZEKCannotOpenMetricFile(std::string_view source, std::string_view outputDirectory)
    : U_UserException(cannotOpenText(source, outputDirectory)) {}
