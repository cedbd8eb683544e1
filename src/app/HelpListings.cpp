#include "app/HelpListings.h"

#include <ostream>

namespace zum {

void printMetricList(std::ostream& out) {
  out << "  STCBO Coupling between objects\n"
         "  STCYA Cyclomatic complexity across project\n"
         "  STLCM Lack of cohesion of methods within a class\n"
         "  STM29 Number of functions calling this function\n"
         "  STNEA Number of entry points across project\n"
         "  STNFA Number of functions across project\n"
         "  STNOC Number of immediate children\n"
         "  STNRA Number of recursions across project\n"
         "  STRFC Responce for class\n"
         "  STWMC Weighted methods per class\n";
}

void printCrossModuleMessageList(std::ostream& out) {
  out << "  1500-1503 Unused external declarations and definitions\n"
         "  1504-1505 External declaration not used outside translation unit\n"
         "  1506-1508 Typedef name reused\n"
         "  1509      Duplicate definition\n"
         "  1510      Incompatible declaration\n"
         "  1512      Duplicate external declaration\n"
         "  1514      Global object used in only one function\n"
         "  1520      Indirectly recursive function\n"
         "  1521      Recursive function\n"
         "  1550-1559 Init order dependency\n"
         "  1700      Unused default constructor (ZEK++ only)\n"
         "  1710      Identifiers too similar\n"
         "  1711      Identifiers similar to n chars\n"
         "  1730-1750 Template\n"
         "  1515      Filename is duplicated in current project\n"
         "  1516      Filename is duplicated in current project,case sensitive \n"
         "  1516      Forward header detected in current project \n";
}

void printAllocationMismatchList(std::ostream& out) { out << "  3966-3968 Allocation mismatch\n"; }

void printNameCheckList(std::ostream& out) { out << "Name Check.\n"; }

}  // namespace zum
