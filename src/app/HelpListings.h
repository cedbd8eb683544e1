// The fixed lines with which the help text lists what the modules compute
// and report.
#pragma once

#include <iosfwd>

namespace zum {

void printMetricList(std::ostream& out);
void printCrossModuleMessageList(std::ostream& out);
void printAllocationMismatchList(std::ostream& out);
void printNameCheckList(std::ostream& out);

}  // namespace zum
