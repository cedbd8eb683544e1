// The scan of one unit: parse it with clang, make its records, write its
// metric and error file. Runs in a process of its own (core/ProcessPool).
#pragma once

#include "core/CompileUnit.h"

namespace scan {

UnitReport scanUnit(const CompileUnit& unit, const UnitFiles& files);

}  // namespace scan
