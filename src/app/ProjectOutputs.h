// The project outputs of a run: the diagnostic output (the project error
// file, or text on standard output) and the metric writer (the project
// metric file), both named after the project file in the output directory.
#pragma once

#include <string_view>

#include "options/OutputLocation.h"

namespace zum {

// The diagnostic output first, then the metric writer, each of the kind the
// debug switches select. Opening failures are raised (after the error file
// is cut back when the metric file fails).
void openProjectOutputs(const OutputLocation& location);

// At the end of a run that went well: both outputs write what they hold,
// then the metric writer is closed, then the diagnostic output. A failure
// to finish either file is raised (after both are closed, and both cut
// back when a write failed), so that the run ends with its message and
// exit code.
void closeProjectOutputs();

// The same when the driver goes, after a run that failed before it closed
// them: never throws; a failure is reported on standard error.
void closeProjectOutputsReporting() noexcept;

// Whether `fileName` is the project metric file or the project error file
// of `location`: the files a multi-file run reads back as its last entry.
bool isProjectOutputFile(const OutputLocation& location, std::string_view fileName);

}  // namespace zum
