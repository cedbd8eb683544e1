// A unit's error file: the current generation, written with zum's own
// writer, holding a suppression record for each suppression comment and
// the few diagnostics the scan itself raises (below). Empty otherwise.
#pragma once

#include <string>
#include <vector>

#include "core/Suppressions.h"

namespace scan {

// Diagnostics of the per-file analyser that zum's project metrics count:
// 3219 for a function with internal linkage that nothing in its unit
// uses (an entry point nobody calls), 3670 for a call of a function to
// itself (a recursion).
constexpr int kUnusedInternalFunction = 3219;
constexpr int kRecursiveCall = 3670;

struct UnitDiagnostic {
  int message = 0;
  std::string file;  // absolute
  int line = 0;
  int column = 0;
  std::string parameter;  // the function's name
};

// Writes the file anew through a temporary name. False with `error` set
// when that fails.
bool writeErrorFile(const std::string& finalName, const std::vector<SuppressionRegion>& suppressions,
                    const std::vector<UnitDiagnostic>& diagnostics, std::string& error);

}  // namespace scan
