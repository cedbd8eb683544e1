#include "checks/ProjectRedeclarations.h"

#include "anlsrslt/include/PI_Interface.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

ProjectRedeclarations& state() { return ProcessState::get<ProjectRedeclarations>(); }

bool isExternalObjectDeclaration(PI_DefineHandle define) {
  if (!PI_isDefineDeclaration(define)) return false;
  if (PI_isDefineImplicit(define) && !PI_isDefineDefinition(define)) return false;
  if (!PI_isDefineVariable(define) && !PI_isDefineFunction(define)) return false;
  if (!PI_hasDefineFileScope(define) && !PI_hasDefineNamespaceScope(define)) return false;
  return !PI_isTemplateOrSpecialisation(define);
}

void noteRedeclaration(PI_SymbolHandle symbol, PI_DefineHandle define) {
  ProjectRedeclarations& noted = state();
  // A symbol in the second set is in both: nothing more to learn from it.
  if (noted.externalObjects.contains(symbol) || !PI_hasDefineExternalLinkage(define)) return;
  noted.external.insert(symbol);
  if (isExternalObjectDeclaration(define)) noted.externalObjects.insert(symbol);
}

}  // namespace

void noteProjectRedeclarations() { PI_configureOnProjRedecl(&noteRedeclaration); }

const ProjectRedeclarations& projectRedeclarations() { return state(); }

}  // namespace zum
