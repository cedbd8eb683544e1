// What a run reads, decided by the driver before the first source is read
// and kept for the rest of the run. Where its project results go is
// zum::runOutputLocation() (options/OutputLocation.h).
#pragma once

#include <vector>

#include "util/Filename.h"
#include "util/String.h"

namespace zum {

enum AnalysisMode : int {
  SingleFile = 1,
  MultiFile = 2,
};

// One source of the run; its metric and error files are in the directory.
struct SourceEntry {
  XF_Filename file;
  U_String outputDirectory;
};

struct RunInputs {
  AnalysisMode mode = SingleFile;
  // In command-line order; in a multi-file run the project file is last.
  std::vector<SourceEntry> sources;
};

// The run's inputs (empty before the driver has decided them).
RunInputs& runInputs();

}  // namespace zum
