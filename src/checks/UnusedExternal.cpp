#include "checks/UnusedExternal.h"

#include <cstring>
#include <set>
#include <vector>

#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/SymbolSweep.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct UnusedExternalState {
  unsigned unusedFunctionDefinitions = 0;
};

UnusedExternalState& state() { return ProcessState::get<UnusedExternalState>(); }

// Whether the symbol's current define is reported: an external variable or
// function that is no template, no member and not "main", and that no
// relation or extern-variable record uses. The look-ups in the relation
// stores come last, for the few symbols that pass the rest.
bool isCandidate(PI_SymbolHandle symbol, PI_DefineHandle define) {
  if (PI_isDefineImplicit(define) && !PI_isDefineDefinition(define)) return false;
  if (!PI_hasDefineExternalLinkage(define)) return false;
  if (!PI_isDefineVariable(define) && !PI_isDefineFunction(define)) return false;
  if (*PI_getDefineTemplateParameters(define) != '\0') return false;
  if (PI_hasDefineClassScope(define)) return false;
  if (std::strcmp(PI_getDefineIdentifier(define), "main") == 0) return false;
  if (PI_hasRelationRefersSubject(symbol)) return false;
  return !PI_hasExternVarSubject(symbol);
}

void reportUnusedDefinition(PI_DefineHandle define) {
  const bool function = PI_isDefineFunction(define);
  U_Handle<M_Diagnostic> diagnostic =
      newDiagnostic(function ? msg::kUnusedDefinedFunction : msg::kUnusedDefinedObject, defineLocation(define));
  diagnostic->addString(PI_getDefineQualName(define));
  report(*diagnostic);
  if (function) ++state().unusedFunctionDefinitions;
}

// A declaration only: the project location, with every place the entity is
// declared at listed once.
void reportUnusedDeclaration(PI_SymbolHandle symbol, PI_DefineHandle define) {
  std::set<U_Location, M_IsLocationLess> places;
  for (int it = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it))
    places.insert(defineLocation(PI_getDefineIterData(it)));
  const char* name = PI_getDefineQualName(define);
  std::vector<U_Handle<M_Diagnostic>> list;
  list.reserve(places.size());
  for (const U_Location& place : places) list.push_back(declarationMessage(place, name));

  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(
      PI_isDefineFunction(define) ? msg::kUnusedDeclaredFunction : msg::kUnusedDeclaredObject, projectLocation());
  diagnostic->addString(name);
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

// Called for every symbol by the walk shared with other checks, which the
// first of them to run (this one) makes.
void visitSymbol(PI_SymbolHandle symbol, PI_DefineHandle define, DefineNameCache&) {
  if (!isCandidate(symbol, define)) return;
  if (PI_isDefineDefinition(define))
    reportUnusedDefinition(define);
  else
    reportUnusedDeclaration(symbol, define);
}

void checkUnusedExternals() { sweepSymbols(); }

}  // namespace

void configureUnusedExternal() {
  PI_configureNeedRelationRefers();
  PI_configureNeedExternVar();
  PI_configureOnAllDefine(&checkUnusedExternals);
  addSymbolVisitor(&visitSymbol);
  state().unusedFunctionDefinitions = 0;
}

unsigned unusedExternalFunctionDefinitions() { return state().unusedFunctionDefinitions; }

}  // namespace zum
