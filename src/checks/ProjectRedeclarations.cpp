#include "checks/ProjectRedeclarations.h"

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_DefineCodes.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

ProjectRedeclarations& state() { return ProcessState::get<ProjectRedeclarations>(); }

bool isExternalObjectDeclaration(PI_DefineHandle define) {
  // The codes in one inline query: this runs while the sources are read.
  const P_DefineCodes codes = P_getDefineCodes(define);
  if (!codes.isDeclaration()) return false;
  if (codes.isImplicit() && !codes.isDefinition()) return false;
  if (!codes.isVariable() && !codes.isFunction()) return false;
  if (!codes.hasFileScope() && !codes.hasNamespaceScope()) return false;
  return !PI_isTemplateOrSpecialisation(define);
}

// Out of line: the event's usual answer (the symbol is known) then saves
// no registers.
[[gnu::noinline]] void noteNewRedeclaration(ProjectRedeclarations& noted, PI_SymbolHandle symbol,
                                           PI_DefineHandle define) {
  if (!PI_hasDefineExternalLinkage(define)) return;
  noted.external.insert(symbol);
  if (isExternalObjectDeclaration(define)) noted.externalObjects.insert(symbol);
}

void noteRedeclaration(PI_SymbolHandle symbol, PI_DefineHandle define) {
  ProjectRedeclarations& noted = state();
  // A symbol in the second set is in both: nothing more to learn from it.
  if (!noted.externalObjects.contains(symbol)) noteNewRedeclaration(noted, symbol, define);
}

}  // namespace

void noteProjectRedeclarations() { PI_configureOnProjRedecl(&noteRedeclaration); }

const ProjectRedeclarations& projectRedeclarations() { return state(); }

}  // namespace zum
