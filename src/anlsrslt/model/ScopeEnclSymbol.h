// The map from a scope text to the symbol of that scope, for
// PI_getScopeEnclSymbol (a local variable's scope is its function).
#pragma once

#include "anlsrslt/include/PI_Interface.h"

// The internal OnNewSymbol handler behind PI_configureNeedScopeEnclSymbol.
void P_recordScopeEnclSymbol(PI_SymbolHandle symbol, PI_DefineHandle def);

// The symbol whose qualified name is `scope`, or null.
P_Symbol* P_findScopeEnclSymbol(const char* scope);
