// The project's shared headers: API headers that many sources include, full
// of macros, types and prototypes. Their records make up most of every
// metric file.
#pragma once

#include <vector>

#include "Header.h"
#include "Options.h"

namespace genproject {

// The first few headers are the project's core headers (common types and
// utilities), which every source includes; module headers may use their
// types and classes because every includer of a module header sees them too.
int coreHeaderCount(const Options& options);

std::vector<HeaderModel> buildSharedHeaders(const Options& options);

}  // namespace genproject
