// Where each unit's metric and error file go. zum finds a source's files
// by the source's base name in the output directory in force for it, so
// sources that share a base name (two util.c in different folders) each
// get an output directory of their own below the main one, named after
// the part of their folder that tells them apart; the list file switches
// to that directory for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/CompileUnit.h"

namespace scan {

struct OutputPlan {
  std::vector<UnitFiles> files;    // one per unit, in the units' order
  std::vector<std::string> notes;  // one per group of sources sharing a name
};

// The directories the notes show sources and output directories from.
struct DisplayRoots {
  std::string_view sources;
  std::string_view outputs;
};

// `outputDir` is absolute.
OutputPlan planOutputs(const std::vector<CompileUnit>& units, const std::string& outputDir,
                       const DisplayRoots& shown);

}  // namespace scan
