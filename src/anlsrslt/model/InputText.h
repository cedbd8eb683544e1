// Metric files are written in the run's input encoding; the model keeps
// names and file names in the internal one.
#pragma once

#include "util/String.h"

// True when the input encoding is the internal one, so that the bytes of a
// metric file are used as they are.
bool P_metricTextIsInternal();

// The whole content of the open file `fd` (which is closed), translated
// from the input encoding to the internal one.
U_String P_readInternalText(int fd);
