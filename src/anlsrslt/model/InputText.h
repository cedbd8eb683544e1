// Metric files are written in the run's input encoding; the model keeps
// names and file names in the internal one.
#pragma once

#include <string_view>

#include "util/String.h"

// True when the input encoding is the internal one, so that the bytes of a
// metric file are used as they are.
bool P_metricTextIsInternal();

// The content of the metric file `path`, translated from the input
// encoding to the internal one. A byte that does not translate raises the
// translation's exception, naming the file and the line.
U_String P_toInternalText(std::string_view text, const U_String& path);
