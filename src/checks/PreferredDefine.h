// Which of a symbol's defines a check looks at: for the checks of C++
// classes, one that is more than a declaration when the symbol has one.
#pragma once

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// The symbol's current define when that is not a declaration; otherwise
// the first of its defines (in filing order) that is not a declaration;
// when all are declarations, the last one. Null for a symbol without
// defines.
PI_DefineHandle preferredDefine(PI_SymbolHandle symbol);

// The first define of `symbol`, in the order of its define iterator, that
// passes `test`; null when none does.
PI_DefineHandle firstDefineOf(PI_SymbolHandle symbol, bool (*test)(PI_DefineHandle));

}  // namespace zum
