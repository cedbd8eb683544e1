// External objects and functions that nothing in the project refers to:
// messages 1500 to 1503.
#pragma once

namespace zum {

// Registers the check; sets its count of unused function definitions to 0.
void configureUnusedExternal();

// The number of 1503 messages (unused external function definitions)
// raised in the run; the entry-point metric adds it in.
unsigned unusedExternalFunctionDefinitions();

}  // namespace zum
