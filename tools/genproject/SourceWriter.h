// The metric file of one source: include records and the records of every
// header it includes, then its own definitions with their bodies, metrics
// and control graphs, and last its file metrics.
#pragma once

#include <string>

#include "Module.h"
#include "Options.h"
#include "ProjectPlan.h"
#include "SourceFacts.h"

namespace genproject {

// `previous` is the module of the source before (null for the first); its
// header is included too. Appends to `out` and returns what the error file
// has to know.
SourceFacts writeSource(std::string& out, const Options& options, const ProjectPlan& plan, const Module& module,
                        const Module* previous);

}  // namespace genproject
