// The failure of the project metric output that a user can cause: the
// metric file cannot be made in the output directory.
#pragma once

#include <string_view>

#include "util/Exception.h"

class M_ZEKCannotOpenMetricFile : public U_UserException {
 public:
  M_ZEKCannotOpenMetricFile(std::string_view source, std::string_view outputDirectory);
};
