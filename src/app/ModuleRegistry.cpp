#include "app/ModuleRegistry.h"

#include "options/CmdArgs.h"

namespace zum {

void registerModules(U_Handle<C_CmdArgs>*, AnalysisMode*) {
  // No analysis module is built into the program yet.
}

}  // namespace zum
