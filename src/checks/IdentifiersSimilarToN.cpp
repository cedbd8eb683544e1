// 1711: identifiers that agree in their first n characters.
//
// The candidates are sorted by their text, so identifiers that share their
// first n characters stand together and only those are paired.
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "anlsrslt/model/QualifiedName.h"
#include "checks/PreferredDefine.h"
#include "checks/MessageNumbers.h"
#include "checks/NameText.h"
#include "checks/SimilarIdentifiers.h"
#include "checks/SimilarNames.h"
#include "checks/SimilarityOptions.h"
#include "checks/SymbolOrder.h"
#include "checks/SymbolSweep.h"
#include "checks/SymbolWalk.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

bool isDeclaration(PI_DefineHandle define) { return PI_isDefineDeclaration(define); }

// The identifiers of at least n characters that a declaration gives a
// symbol, collected by the shared walk over the symbols.
struct LongIdentifiers {
  std::vector<NamedSymbol> names;
};

void visitSymbol(PI_SymbolHandle symbol, PI_DefineHandle current, DefineNameCache& cache) {
  if (!current) return;
  // The simple identifier belongs to the symbol's key, which all its
  // defines share: a short one rules the symbol out before its defines are
  // searched for a declaration. It is the identifier up to its template
  // parameters.
  const auto significant = static_cast<std::size_t>(similaritySettings().significant);
  const std::string_view currentIdentifier = cache.identifier(current).text;
  if (currentIdentifier.size() < significant || currentIdentifier.find(kTemplateOpen) < significant) return;
  PI_DefineHandle define = PI_isDefineDeclaration(current) ? current : firstDefineOf(symbol, &isDeclaration);
  if (!define || PI_isDefineImplicit(define)) return;
  const char* qualName = PI_getDefineQualName(define);
  if (std::strstr(qualName, "@{")) return;
  const std::string_view identifier = simpleIdentifierIn(qualName);
  if (identifier.empty() || identifier.front() == '@' || identifier.size() < significant) return;
  ProcessState::get<LongIdentifiers>().names.push_back({identifier, symbol, symbolOrder().serial(symbol)});
}

// The long identifiers sorted by text, equal texts in identity order.
const std::vector<NamedSymbol>& longIdentifiers() {
  sweepSymbols();
  std::vector<NamedSymbol>& names = ProcessState::get<LongIdentifiers>().names;
  std::sort(names.begin(), names.end(), [](const NamedSymbol& a, const NamedSymbol& b) {
    if (const int byText = a.name.compare(b.name)) return byText < 0;
    return a.serial < b.serial;
  });
  return names;
}

// Each pair of different identifiers within `group` (the identifiers that
// share their first n characters, in byte order).
void reportGroup(std::span<const NamedSymbol> group, int significant) {
  std::vector<std::span<const NamedSymbol>> identifiers;
  for (std::size_t first = 0; first < group.size();) {
    std::size_t end = first + 1;
    while (end < group.size() && group[end].name == group[first].name) ++end;
    identifiers.push_back(group.subspan(first, end - first));
    first = end;
  }
  for (std::size_t a = 0; a < identifiers.size(); ++a)
    for (std::size_t b = a + 1; b < identifiers.size(); ++b)
      reportSimilarNames(msg::kIdentifiersSimilarToN, identifiers[a].front().name, identifiers[b].front().name,
                         significant, mergedSymbols(identifiers[a], identifiers[b]));
}

void checkSimilarToN() {
  const int significant = similaritySettings().significant;
  const auto length = static_cast<std::size_t>(significant);
  const std::vector<NamedSymbol>& names = longIdentifiers();
  const std::span<const NamedSymbol> all(names);
  for (std::size_t first = 0; first < names.size();) {
    const std::string_view prefix = names[first].name.substr(0, length);
    std::size_t end = first + 1;
    while (end < names.size() && names[end].name.substr(0, length) == prefix) ++end;
    if (names[end - 1].name != names[first].name) reportGroup(all.subspan(first, end - first), significant);
    first = end;
  }
}

}  // namespace

void configureIdentifiersSimilarToN() {
  addSymbolVisitor(&visitSymbol);
  PI_configureOnAllDefine(&checkSimilarToN);
}

}  // namespace zum
