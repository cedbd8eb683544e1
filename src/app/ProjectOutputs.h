// The project outputs of a run: the diagnostic output (the project error
// file, or text on standard output) and the metric writer (the project
// metric file), both named after the project file in the output directory.
#pragma once

#include <string_view>

#include "options/OutputLocation.h"

namespace zum {

// The diagnostic output first, then the metric writer, each of the kind the
// debug switches select. Opening failures are raised.
void openProjectOutputs(const OutputLocation& location);

// The metric writer first, then the diagnostic output. Never throws: a
// failure to finish a file is reported on standard error, since this runs
// when the driver goes, after the run's exit code is decided.
void closeProjectOutputs() noexcept;

// Whether `fileName` is the project metric file or the project error file
// of `location`: the files a multi-file run reads back as its last entry.
bool isProjectOutputFile(const OutputLocation& location, std::string_view fileName);

}  // namespace zum
