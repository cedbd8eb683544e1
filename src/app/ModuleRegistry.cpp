#include "app/ModuleRegistry.h"

#include "anlsrslt/model/Callbacks.h"
#include "app/testmodules/TestModules.h"
#include "checks/AllocationMismatch.h"
#include "checks/DefaultConstructors.h"
#include "checks/DuplicateFilenames.h"
#include "checks/IdentifierReuse.h"
#include "checks/ImplicitCopyFunctions.h"
#include "checks/InitialisationOrder.h"
#include "checks/LocalExternal.h"
#include "checks/Recursion.h"
#include "checks/Redeclarations.h"
#include "checks/SimilarIdentifiers.h"
#include "checks/TemplateDefinitions.h"
#include "checks/UnusedExternal.h"
#include "metrics/ClassMetrics.h"
#include "metrics/FunctionMetrics.h"
#include "namecheck/NameCheck.h"
#include "options/CmdArgs.h"
#include "options/DebugSwitches.h"
#include "options/ProductTable.h"

namespace zum {

namespace {

// The cross-module checks of every product, up to the C++ group.
void addCommonChecks(std::vector<ModuleSlot>& slots, int productBits) {
  slots.push_back({"unusedExternal", &configureUnusedExternal});
  if (!(productBits & kProductZek)) slots.push_back({"directRecursion", &configureDirectRecursion});
  slots.push_back({"indirectRecursion", &configureIndirectRecursion});
  slots.push_back({"localExternal", &configureLocalExternal});
  slots.push_back({"typedefReuse", &configureTypedefReuse});
  slots.push_back({"duplicateDefinition", &configureDuplicateDefinition});
  slots.push_back({"incompatibleDeclaration", &configureIncompatibleDeclaration});
  slots.push_back({"duplicateDeclaration", &configureDuplicateDeclaration});
  slots.push_back({"identifierReuse", &configureIdentifierReuse});
}

void addCppChecks(std::vector<ModuleSlot>& slots) {
  slots.push_back({"initialisationOrder", &configureInitialisationOrder});
  slots.push_back({"unusedDefaultConstructor", &configureUnusedDefaultConstructor});
  slots.push_back({"identifiersTooSimilar", &configureIdentifiersTooSimilar});
  slots.push_back({"identifiersSimilarToN", &configureIdentifiersSimilarToN});
  slots.push_back({"templateDefinition", &configureTemplateDefinition});
  slots.push_back({"templateInlineDefinition", &configureTemplateInlineDefinition});
  slots.push_back({"classMember", &configureClassMember});
  slots.push_back({"STMEV", &configureSTMEV});
}

void addClassMetrics(std::vector<ModuleSlot>& slots) {
  slots.push_back({"STNOC", &configureSTNOC});
  slots.push_back({"STWMC", &configureSTWMC});
  slots.push_back({"STRFC", &configureSTRFC});
  slots.push_back({"STCBO", &configureSTCBO});
  slots.push_back({"STLCM", &configureSTLCM});
}

void addFunctionMetrics(std::vector<ModuleSlot>& slots) {
  slots.push_back({"STCYA", &configureSTCYA});
  slots.push_back({"STNFA", &configureSTNFA});
  slots.push_back({"STNEA", &configureSTNEA});
  slots.push_back({"STNRA", &configureSTNRA});
  slots.push_back({"STM29", &configureSTM29});
}

void addMultiFileModules(std::vector<ModuleSlot>& slots, int productBits) {
  const bool cpp = (productBits & kProductZekpp) != 0;
  addCommonChecks(slots, productBits);
  if (cpp) addCppChecks(slots);
  slots.push_back({"duplicateFilenames", &configureDuplicateFilenames});
  if (cpp) {
    addClassMetrics(slots);
    slots.push_back({"allocationMismatch", &configureAllocationMismatch});
  } else {
    addFunctionMetrics(slots);
  }
}

}  // namespace

std::vector<ModuleSlot> modulesOfRun(const ModuleChoice& choice) {
  std::vector<ModuleSlot> slots;
  if (choice.mode == MultiFile)
    addMultiFileModules(slots, choice.productBits);
  else if (choice.mode == SingleFile && choice.nameRuleFileGiven)
    slots.push_back({"nameCheck", &configureNameCheck});
  if (choice.isDebugSwitchSet && choice.isDebugSwitchSet("pcom_test")) {
    for (const ModuleSlot& module : testModules())
      if (choice.isDebugSwitchSet(module.name)) slots.push_back(module);
  }
  return slots;
}

void registerModules(U_Handle<C_CmdArgs>* cmdArgs, AnalysisMode* mode) {
  const C_CmdArgs& args = **cmdArgs;
  ModuleChoice choice;
  choice.mode = *mode;
  choice.productBits = C_runProductBits();
  choice.nameRuleFileGiven = args.options().nameRuleFile().given();
  choice.isDebugSwitchSet = [&args](std::string_view name) { return C_isDebugSwitchSet(args, name); };
  const std::vector<ModuleSlot> modules = modulesOfRun(choice);
  for (std::size_t slot = 0; slot < modules.size(); ++slot) {
    if (!modules[slot].configure) continue;
    // What the module registers runs in the order of the slots.
    ConfiguringModule configuring(static_cast<int>(slot));
    modules[slot].configure();
  }
}

}  // namespace zum
