// One walk over every symbol of the run, shared by the checks that look at
// the current define of each: a check adds its visitor when it is
// configured, and the first of their end-of-run callbacks to run makes the
// walk for all of them. Each walk over millions of symbols costs as much
// as the rest of such a check.
#pragma once

#include "anlsrslt/include/PI_Interface.h"
#include "checks/DefineNames.h"

namespace zum {

// `names` works out the names of `current` (or of any define), cached.
using SymbolVisitor = void (*)(PI_SymbolHandle symbol, PI_DefineHandle current, DefineNameCache& names);

void addSymbolVisitor(SymbolVisitor visitor);

// Walks the symbols with every visitor added; only the first call in a run
// walks.
void sweepSymbols();

}  // namespace zum
