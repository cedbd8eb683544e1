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

void reportDeclarations(const char* name, bool defined, const std::vector<M_ListedPlace>& places) {
  U_Handle<M_Diagnostic> duplicate = newDiagnostic(msg::kDuplicateDeclaration, projectLocation());
  duplicate->addString(name);
  addPlaceList(*duplicate, places);
  report(*duplicate);
  // Only a name that is never defined is reported a second time.
  if (defined) return;
  U_Handle<M_Diagnostic> undefined = newDiagnostic(msg::kDuplicateDeclarationUndefined, projectLocation());
  undefined->addString(name);
  addPlaceList(*undefined, places);
  report(*undefined);
}

void checkDuplicateDeclarations() {
  // One walk over a name's defines counts its declarations and lists their
  // places (a third of a million defines, most of them reported): a header's
  // declaration from every source that includes it is one run of the list.
  PlaceMessages messages(msg::kDeclaration);
  std::vector<M_ListedPlace> places;
  const std::vector<PI_SymbolHandle> symbols = projectRedeclarations().externalObjects.inSymbolOrder();
  for (std::size_t s = 0; s < symbols.size(); ++s) {
    loadSymbolsAhead(symbols, s);
    const PI_SymbolHandle symbol = symbols[s];
    const PI_DefineHandle current = PI_getSymbolCurrentDefine(symbol);
    const U_Identifier name = P_getDefineQualIdentifier(current);
    const std::span<const PI_DefineHandle> defines = definesOf(symbol);
    messages.clear();
    places.clear();
    std::size_t declarations = 0;
    std::size_t definitions = 0;
    for (std::size_t i = 0; i < defines.size(); ++i) {
      loadAhead(defines, i);
      PI_DefineHandle define = defines[i];
      // One inline query for both answers.
      const P_DefineCodes codes = P_getDefineCodes(define);
      if (!codes.isDeclaration()) continue;
      ++declarations;
      if (codes.isDefinition()) ++definitions;
      M_appendPlace(places, messages.at(define, name));
    }
    // One declaration is no duplicate; several definitions are the
    // duplicate definition's business.
    if (declarations > 1 && definitions <= 1) reportDeclarations(name.c_str(), PI_isDefineDefinition(current), places);
  }
}

}  // namespace

void configureDuplicateDeclaration() {
  noteProjectRedeclarations();
  PI_configureOnAllDefine(&checkDuplicateDeclarations);
}

}  // namespace zum
