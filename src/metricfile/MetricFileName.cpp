#include "metricfile/MetricFileName.h"

#include "util/Path.h"

U_String M_metricFileName(std::string_view source, std::string_view outputDirectory) {
  return U_Path::addExtension(U_Path::join(outputDirectory, U_Path::baseName(source)), "met");
}
