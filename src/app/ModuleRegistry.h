// Which analysis modules take part in a run, decided from the analysis
// mode, the product and the options.
#pragma once

#include "app/RunInputs.h"
#include "util/Ref.h"

class C_CmdArgs;

namespace zum {

// Calls the configuration function of every module the run needs, in the
// fixed order that their callbacks depend on.
void registerModules(U_Handle<C_CmdArgs>* cmdArgs, AnalysisMode* mode);

}  // namespace zum
