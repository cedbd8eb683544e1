// Messages 1512 and 1513: an external variable or function declared more
// than once across the project, and one that is also never defined.
#include <span>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_DefineCodes.h"
#include "checks/MessageNumbers.h"
#include "checks/ProjectRedeclarations.h"
#include "checks/Redeclarations.h"
#include "checks/Reporting.h"
#include "checks/SymbolDefines.h"

namespace zum {

namespace {

void reportDeclarations(PI_SymbolHandle symbol, const std::vector<PI_DefineHandle>& declarations,
                        PlaceMessages& messages) {
  PI_DefineHandle current = PI_getSymbolCurrentDefine(symbol);
  const char* name = PI_getDefineQualName(current);
  messages.clear();
  // A header's declaration from every source that includes it: one entry
  // for the run.
  std::vector<M_ListedPlace> list;
  for (PI_DefineHandle declaration : declarations) M_appendPlace(list, messages.at(declaration, name));

  // Only a name that is never defined needs the list a second time.
  const bool defined = PI_isDefineDefinition(current);
  U_Handle<M_Diagnostic> duplicate = newDiagnostic(msg::kDuplicateDeclaration, projectLocation());
  duplicate->addString(name);
  addPlaceList(*duplicate, defined ? std::move(list) : list);
  report(*duplicate);
  if (defined) return;
  U_Handle<M_Diagnostic> undefined = newDiagnostic(msg::kDuplicateDeclarationUndefined, projectLocation());
  undefined->addString(name);
  addPlaceList(*undefined, std::move(list));
  report(*undefined);
}

void checkDuplicateDeclarations() {
  std::vector<PI_DefineHandle> declarations;
  PlaceMessages messages(msg::kDeclaration);
  for (PI_SymbolHandle symbol : projectRedeclarations().externalObjects.inSymbolOrder()) {
    const std::span<const PI_DefineHandle> defines = definesOf(symbol);
    declarations.clear();
    std::size_t definitions = 0;
    for (std::size_t i = 0; i < defines.size(); ++i) {
      loadAhead(defines, i);
      PI_DefineHandle define = defines[i];
      // One inline query for both answers (a third of a million defines).
      const P_DefineCodes codes = P_getDefineCodes(define);
      if (!codes.isDeclaration()) continue;
      declarations.push_back(define);
      if (codes.isDefinition()) ++definitions;
    }
    // One declaration is no duplicate; several definitions are the
    // duplicate definition's business.
    if (declarations.size() > 1 && definitions <= 1) reportDeclarations(symbol, declarations, messages);
  }
}

}  // namespace

void configureDuplicateDeclaration() {
  noteProjectRedeclarations();
  PI_configureOnAllDefine(&checkDuplicateDeclarations);
}

}  // namespace zum
