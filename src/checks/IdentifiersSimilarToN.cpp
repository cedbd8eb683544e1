// 1711: identifiers that agree in their first n characters.
//
// The candidates are sorted by their text, so identifiers that share their
// first n characters stand together and only those are paired.
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "checks/PreferredDefine.h"
#include "checks/MessageNumbers.h"
#include "checks/NameText.h"
#include "checks/NameVerdicts.h"
#include "checks/SimilarIdentifiers.h"
#include "checks/SimilarNames.h"
#include "checks/SimilarityOptions.h"
#include "checks/SymbolOrder.h"
#include "checks/SymbolWalk.h"

namespace zum {

namespace {

bool isDeclaration(PI_DefineHandle define) { return PI_isDefineDeclaration(define); }

// The identifiers of at least `significant` characters that a declaration
// gives a symbol, sorted by text, equal texts in identity order.
std::vector<NamedSymbol> longIdentifiers(std::size_t significant) {
  std::vector<NamedSymbol> names;
  const SymbolOrder& order = symbolOrder();
  NameVerdicts longEnough;
  forEachSymbol([&names, &order, &longEnough, significant](PI_SymbolHandle symbol, PI_DefineHandle current) {
    // The simple identifier belongs to the symbol's key, which all its
    // defines share: a short one rules the symbol out before its defines
    // are searched for a declaration.
    if (!current) return;
    const char* currentName = PI_getDefineQualName(current);
    if (!longEnough.get(currentName, [currentName, significant] {
          return mayHaveSimpleIdentifierOf(currentName, significant);
        }))
      return;
    PI_DefineHandle define = PI_isDefineDeclaration(current) ? current : firstDefineOf(symbol, &isDeclaration);
    if (!define || PI_isDefineImplicit(define)) return;
    const char* qualName = PI_getDefineQualName(define);
    if (std::strstr(qualName, "@{")) return;
    const std::string_view identifier = simpleIdentifierIn(qualName);
    if (identifier.empty() || identifier.front() == '@' || identifier.size() < significant) return;
    names.push_back({identifier, symbol, order.serial(symbol)});
  });
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
  const std::vector<NamedSymbol> names = longIdentifiers(length);
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

void configureIdentifiersSimilarToN() { PI_configureOnAllDefine(&checkSimilarToN); }

}  // namespace zum
