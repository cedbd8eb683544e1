// Writes a whole project: the metric file of every source, the planned
// error files and the list file.
#pragma once

#include <cstdint>

#include "Options.h"

namespace genproject {

struct Summary {
  uint64_t files = 0;
  uint64_t bytes = 0;
  uint64_t lines = 0;
  double seconds = 0;
};

Summary generateProject(const Options& options);  // throws std::runtime_error

}  // namespace genproject
