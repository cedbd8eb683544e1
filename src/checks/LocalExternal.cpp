#include "checks/LocalExternal.h"

#include <span>
#include <vector>

#include "checks/ExcludedDefine.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/UseTable.h"

namespace zum {

namespace {

bool allInOneFile(std::span<const SymbolUse> uses) {
  for (const SymbolUse& use : uses)
    if (use.file != uses.front().file) return false;
  return true;
}

// The uses, then the declarations of the entity apart from its definition:
// every define that is no definition, and every redeclaration on another
// line than the definition's.
std::vector<U_Handle<M_Diagnostic>> usesAndDeclarations(PI_SymbolHandle symbol, PI_DefineHandle definition,
                                                        std::span<const SymbolUse> uses) {
  std::vector<U_Handle<M_Diagnostic>> list;
  for (const SymbolUse& use : uses) list.push_back(useMessage(fileLineLocation(use.file, use.line)));
  const char* name = PI_getDefineQualName(definition);
  const int definitionLine = PI_getDefineLine(definition);
  for (int it = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it)) {
    PI_DefineHandle define = PI_getDefineIterData(it);
    if (!PI_isDefineDefinition(define)) list.push_back(declarationMessage(defineLocation(define), name));
    if (!PI_hasSymbolDefineRedeclList(symbol, define)) continue;
    for (int r = PI_getSymbolDefineFirstRedecl(symbol, define); !PI_isDefineIterEnd(r); PI_getDefineIterNext(r)) {
      PI_DefineHandle redeclaration = PI_getDefineIterData(r);
      if (PI_getDefineLine(redeclaration) != definitionLine)
        list.push_back(declarationMessage(defineLocation(redeclaration), name));
    }
  }
  return list;
}

// The one function that uses an object, or null when there are several
// users or the user is no function.
PI_DefineHandle onlyUsingFunction(std::span<const SymbolUse> uses) {
  if (uses.size() != 1) return nullptr;
  PI_DefineHandle user = PI_getSymbolCurrentDefine(uses.front().user);
  return PI_isDefineFunction(user) ? user : nullptr;
}

void reportLocalUse(PI_SymbolHandle symbol, PI_DefineHandle definition, std::span<const SymbolUse> uses) {
  const bool sameFile = uses.front().file == PI_getDefineFilename(definition);
  PI_DefineHandle onlyUser = nullptr;
  int number;
  if (PI_isDefineFunction(definition)) {
    number = sameFile ? msg::kFunctionUsedInOwnFile : msg::kFunctionUsedInOneOtherFile;
  } else if ((onlyUser = onlyUsingFunction(uses))) {
    number = sameFile ? msg::kObjectUsedByOneFunctionInOwnFile : msg::kObjectUsedByOneFunctionInOtherFile;
  } else {
    number = sameFile ? msg::kObjectUsedInOwnFile : msg::kObjectUsedInOneOtherFile;
  }
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(number, defineLocation(definition));
  diagnostic->addString(PI_getDefineQualName(definition));
  if (onlyUser) diagnostic->addString(PI_getDefineQualName(onlyUser));
  addMessageList(*diagnostic, usesAndDeclarations(symbol, definition, uses));
  report(*diagnostic);
}

void checkLocalExternals() {
  const UseTable table(&isExcludedDefine);
  table.forEachUsed([](PI_SymbolHandle symbol, std::span<const SymbolUse> uses) {
    // Uses of excluded symbols were never entered.
    PI_DefineHandle definition = PI_getSymbolCurrentDefine(symbol);
    if (PI_isDefineDefinition(definition) && allInOneFile(uses)) reportLocalUse(symbol, definition, uses);
  });
}

}  // namespace

void configureLocalExternal() {
  PI_configureNeedScopeEnclSymbol();
  PI_configureNeedRelationRefers();
  PI_configureNeedExternVar();
  PI_configureOnAllDefine(&checkLocalExternals);
}

}  // namespace zum
