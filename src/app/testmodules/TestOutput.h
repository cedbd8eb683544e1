// The lines the test modules print.
#pragma once

#include <string>
#include <string_view>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// Writes "<module>: <text>" and a line end to standard output.
void printTestLine(std::string_view module, std::string_view text);

// "qualified-name file:line" of a define; names keep their marker bytes.
std::string describeDefine(PI_DefineHandle define);

// Calls `visit` with every symbol's current define, in creation order.
template <class Visit>
void forEachCurrentDefine(Visit visit) {
  for (int it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it))
    if (PI_DefineHandle define = PI_getSymbolCurrentDefine(PI_getSymbolIterData(it))) visit(define);
}

}  // namespace zum
