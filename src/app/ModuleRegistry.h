// Which analysis modules take part in a run, decided from the analysis
// mode, the product and the options.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/RunInputs.h"
#include "util/Ref.h"

class C_CmdArgs;

namespace zum {

// A module by name with its configuration function. A module that is not
// built yet keeps its place with a null function: it registers nothing,
// and the modules around it keep their order.
struct ModuleSlot {
  const char* name;
  void (*configure)();
};

// What the choice of modules depends on.
struct ModuleChoice {
  AnalysisMode mode = SingleFile;
  int productBits = 0;
  bool nameRuleFileGiven = false;
  std::function<bool(std::string_view)> isDebugSwitchSet;
};

// The modules of a run in configuration order, empty slots included.
std::vector<ModuleSlot> modulesOfRun(const ModuleChoice& choice);

// Calls the configuration function of every module the run needs, in the
// fixed order that their callbacks depend on.
void registerModules(U_Handle<C_CmdArgs>* cmdArgs, AnalysisMode* mode);

}  // namespace zum
