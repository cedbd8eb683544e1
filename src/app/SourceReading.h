// The driver's reading of the run's sources, in the order of its entries.
#pragma once

#include "app/RunInputs.h"
#include "options/OutputLocation.h"

namespace zum {

// Per entry: the source begins (log line, OnSource); before the last entry
// of two or more the metric writer is flushed, so that the project metric
// file read back as that entry is complete; then the metric file and the
// error file are read. A file of an entry that cannot be opened is reported
// as message 1540 at the project file (the project's own output files
// excepted) and the run goes on with the next entry. The log is open while
// the entries are read, unless it names a metric or error file of the run,
// which opening it would empty: that is said on standard error instead.
void readSources(const RunInputs& inputs);

// A single-file run's project files are its source's own files, so a
// missing metric file of that source is never message 1540 (and opening
// the outputs makes an empty one): said on standard error instead, before
// the outputs are opened.
void warnOfAMissingSingleSource(const SourceEntry& entry);

// Message 1540 for `fileName`, at line 1, column 0 of the project file.
void reportMissingFile(const OutputLocation& location, const U_String& fileName);

constexpr int kMissingFileMessage = 1540;

}  // namespace zum
