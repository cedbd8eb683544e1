// Message 1509: a variable or function defined at more than one place.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/DeclarationRules.h"
#include "checks/MessageNumbers.h"
#include "checks/Redeclarations.h"
#include "checks/Reporting.h"
#include "checks/SymbolOrder.h"
#include "util/LargeBlocks.h"
#include "util/ProcessState.h"
#include "util/RadixSort.h"

namespace zum {

namespace {

// One definition that counts, kept with its symbol's identity order so
// that the definitions are grouped by sorting.
struct Definition {
  std::uint32_t serial;
  PI_SymbolHandle symbol;
  PI_DefineHandle define;
};

struct DuplicateDefinitionState {
  LargeVector<Definition> definitions;
};

DuplicateDefinitionState& state() { return ProcessState::get<DuplicateDefinitionState>(); }

bool counts(PI_DefineHandle define) {
  // Every definition of the project comes here while it is read: the codes
  // in one inline query, the template questions only for what they pass.
  const P_DefineCodes is = P_getDefineCodes(define);
  DefinitionFacts facts;
  facts.variableOrFunction = is.isVariable() || is.isFunction();
  facts.isInline = is.isInline();
  facts.fileOrNamespaceScope = is.hasFileScope() || is.hasNamespaceScope();
  if (facts.variableOrFunction && !facts.isInline && facts.fileOrNamespaceScope) {
    facts.templateOrSpecialisation = PI_isTemplateOrSpecialisation(define);
    facts.markedX = P_hasDefineCodeX(define);
  }
  return countsAsDefinition(facts);
}

// Out of line: most definitions do not count, and the test then saves no
// registers.
[[gnu::noinline]] void keepDefinition(PI_SymbolHandle symbol, PI_DefineHandle define) {
  state().definitions.push_back({symbolOrder().serial(symbol), symbol, define});
}

void noteDefinition(PI_SymbolHandle symbol, PI_DefineHandle define) {
  if (counts(define)) keepDefinition(symbol, define);
}

// A symbol's definitions at their places, each place once and in location
// order: one at a single place (a header included by two sources) is
// reported with a list of one.
void reportDefinitions(PI_SymbolHandle symbol, const Definition* begin, const Definition* end) {
  std::vector<U_Location> places;
  for (const Definition* definition = begin; definition != end; ++definition)
    places.push_back(defineLocation(definition->define));
  std::sort(places.begin(), places.end(), M_IsLocationLess());
  places.erase(std::unique(places.begin(), places.end(),
                           [](const U_Location& a, const U_Location& b) {
                             return !M_IsLocationLess()(a, b) && !M_IsLocationLess()(b, a);
                           }),
               places.end());
  const char* name = PI_getDefineQualName(PI_getSymbolCurrentDefine(symbol));
  std::vector<U_Handle<M_Diagnostic>> list;
  list.reserve(places.size());
  for (const U_Location& place : places) list.push_back(definitionMessage(place, name));
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(msg::kDuplicateDefinition, projectLocation());
  diagnostic->addString(name);
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

void checkDuplicateDefinitions() {
  LargeVector<Definition>& definitions = state().definitions;
  radixSortStable(definitions, [](const Definition& definition) { return definition.serial; });
  for (std::size_t begin = 0, end; begin < definitions.size(); begin = end) {
    for (end = begin + 1; end < definitions.size() && definitions[end].symbol == definitions[begin].symbol;) ++end;
    if (end - begin > 1) reportDefinitions(definitions[begin].symbol, &definitions[begin], definitions.data() + end);
  }
}

}  // namespace

void configureDuplicateDefinition() {
  PI_configureOnDefinition(&noteDefinition);
  PI_configureOnAllDefine(&checkDuplicateDefinitions);
}

}  // namespace zum
