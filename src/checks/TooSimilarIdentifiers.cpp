// 1710: identifiers that become equal once normalised.
//
// Names are never compared pair by pair: each name is filed under its two
// texts (translated and stripped), the filed texts are sorted, and only
// names that share a text are paired.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "checks/IdentifierNormaliser.h"
#include "checks/MessageNumbers.h"
#include "checks/NameText.h"
#include "checks/SimilarIdentifiers.h"
#include "checks/SimilarNames.h"
#include "checks/SimilarityOptions.h"
#include "checks/SymbolOrder.h"
#include "checks/SymbolWalk.h"

namespace zum {

namespace {

// The declared names of the project: of each symbol whose current define is
// a declaration or a specialisation and not compiler-made.
std::vector<NamedSymbol> declaredNames() {
  std::vector<NamedSymbol> names;
  const SymbolOrder& order = symbolOrder();
  forEachSymbol([&names, &order](PI_SymbolHandle symbol, PI_DefineHandle define) {
    if ((PI_isDefineDeclaration(define) || PI_isDefineSpecialisation(define)) && !PI_isDefineImplicit(define))
      names.push_back({simpleIdentifierIn(PI_getDefineQualName(define)), symbol, order.serial(symbol)});
  });
  return names;
}

// The names filed under their normalised texts.
class NormalisedNames {
 public:
  NormalisedNames(const std::vector<NamedSymbol>& names, const IdentifierNormaliser& normaliser) : names_(names) {
    std::string translated;
    std::string stripped;
    filed_.reserve(names.size() * 2);
    for (std::uint32_t i = 0; i < names.size(); ++i) {
      normaliser.normalise(names[i].name, translated, stripped);
      file(translated, i);
      if (stripped != translated) file(stripped, i);
    }
    std::sort(filed_.begin(), filed_.end(), [this](const Filed& a, const Filed& b) { return less(a, b); });
  }

  // Calls `visit(names)` for each text under which more than one name is
  // filed, with those names in byte order, equal names in identity order.
  template <class Visit>
  void forEachShared(Visit visit) const {
    std::vector<NamedSymbol> shared;
    for (std::size_t first = 0; first < filed_.size();) {
      std::size_t end = first + 1;
      while (end < filed_.size() && sameText(filed_[first], filed_[end])) ++end;
      if (end - first > 1) {
        shared.clear();
        for (std::size_t i = first; i < end; ++i) shared.push_back(names_[filed_[i].name]);
        visit(shared);
      }
      first = end;
    }
  }

 private:
  struct Filed {
    std::size_t hash;
    std::size_t offset;  // of the text in texts_
    std::uint32_t length;
    std::uint32_t name;  // index into names_
  };

  void file(const std::string& text, std::uint32_t name) {
    filed_.push_back({std::hash<std::string>()(text), texts_.size(), static_cast<std::uint32_t>(text.size()), name});
    texts_ += text;
  }
  std::string_view text(const Filed& filed) const {
    return std::string_view(texts_).substr(filed.offset, filed.length);
  }
  bool sameText(const Filed& a, const Filed& b) const { return a.hash == b.hash && text(a) == text(b); }
  // By text (its hash first), then by name, then in identity order.
  bool less(const Filed& a, const Filed& b) const {
    if (a.hash != b.hash) return a.hash < b.hash;
    if (const int byText = text(a).compare(text(b))) return byText < 0;
    const NamedSymbol& x = names_[a.name];
    const NamedSymbol& y = names_[b.name];
    if (const int byName = x.name.compare(y.name)) return byName < 0;
    return x.serial < y.serial;
  }

  const std::vector<NamedSymbol>& names_;
  std::string texts_;
  std::vector<Filed> filed_;
};

// The pairs of different names that share a text, each with the symbols
// that carry either name where they share it.
using NamePairs = std::map<std::pair<std::string_view, std::string_view>, std::vector<NamedSymbol>>;

void pairDifferentNames(const std::vector<NamedSymbol>& shared, NamePairs& pairs) {
  // Runs of equal names; `shared` holds them in byte order.
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (std::size_t i = 0; i < shared.size(); ++i)
    if (i == 0 || shared[i].name != shared[i - 1].name)
      runs.emplace_back(i, i + 1);
    else
      ++runs.back().second;
  for (std::size_t a = 0; a < runs.size(); ++a)
    for (std::size_t b = a + 1; b < runs.size(); ++b) {
      std::vector<NamedSymbol>& symbols = pairs[{shared[runs[a].first].name, shared[runs[b].first].name}];
      for (auto [first, end] : {runs[a], runs[b]})
        symbols.insert(symbols.end(), shared.begin() + first, shared.begin() + end);
    }
}

void checkTooSimilar() {
  const IdentifierNormaliser normaliser(similaritySettings());
  if (!normaliser.active()) return;
  const std::vector<NamedSymbol> names = declaredNames();
  NamePairs pairs;
  NormalisedNames(names, normaliser).forEachShared([&pairs](const std::vector<NamedSymbol>& shared) {
    pairDifferentNames(shared, pairs);
  });
  std::vector<PI_SymbolHandle> symbols;
  for (auto& [pair, named] : pairs) {
    std::sort(named.begin(), named.end(),
              [](const NamedSymbol& a, const NamedSymbol& b) { return a.serial < b.serial; });
    symbols.clear();
    for (std::size_t i = 0; i < named.size(); ++i)
      if (i == 0 || named[i].symbol != named[i - 1].symbol) symbols.push_back(named[i].symbol);
    reportSimilarNames(msg::kIdentifiersTooSimilar, pair.first, pair.second, 0, symbols);
  }
}

}  // namespace

void configureIdentifiersTooSimilar() { PI_configureOnAllDefine(&checkTooSimilar); }

}  // namespace zum
