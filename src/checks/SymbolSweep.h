// One walk over every symbol of the run, shared by the checks that look at
// the current define of each: a check adds its visitor when it is
// configured, and the first of their end-of-run callbacks to run makes the
// walk for all of them. Each walk over millions of symbols costs as much
// as the rest of such a check.
#pragma once

#include <span>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/DefineNames.h"

namespace zum {

// `names` works out the names of `current` (or of any define), cached.
using SymbolVisitor = void (*)(PI_SymbolHandle symbol, PI_DefineHandle current, DefineNameCache& names);

void addSymbolVisitor(SymbolVisitor visitor);

// A symbol of the walk with its current define.
using SweptSymbol = P_SweptSymbol;

// A visitor given the symbols some at a time, in the order of the walk: a
// visitor that turns nearly every symbol away in a few instructions would
// otherwise spend more on being called, and on finding its state, than on
// its test.
using SymbolBatchVisitor = void (*)(std::span<const SweptSymbol> symbols, DefineNameCache& names);

void addSymbolBatchVisitor(SymbolBatchVisitor visitor);

// Walks the symbols with every visitor added; only the first call in a run
// walks.
void sweepSymbols();

}  // namespace zum
