// The define that the checks of C++ classes look at for a symbol: one that
// is more than a declaration when the symbol has one.
#pragma once

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// The symbol's current define when that is not a declaration; otherwise
// the first of its defines (in filing order) that is not a declaration;
// when all are declarations, the last one. Null for a symbol without
// defines.
PI_DefineHandle preferredDefine(PI_SymbolHandle symbol);

}  // namespace zum
