// Where the project results of a run go: the project metric and error
// files are named after the project file and made in the output directory.
// The driver decides the location before the first source is read.
#pragma once

#include <string_view>

#include "util/Filename.h"
#include "util/String.h"

namespace zum {

struct OutputLocation {
  XF_Filename projectFile;
  U_String outputDirectory;
};

// The name the project files are named after: the project file as given,
// else its absolute path.
std::string_view projectName(const OutputLocation& location);

// The location of the run (empty before the driver has decided it).
OutputLocation& runOutputLocation();

}  // namespace zum
