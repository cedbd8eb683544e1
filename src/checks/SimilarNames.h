// What the two similarity checks share: the names they compare and the way
// they report a pair.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// A symbol and the name it is compared by.
struct NamedSymbol {
  std::string_view name;  // a view into the interned qualified name
  PI_SymbolHandle symbol;
  std::uint32_t serial;   // identity order of the symbol
};

// Reports message `number` at the project location for the names `a` and
// `b` (the one first in byte order first), then, for 1711, the number of
// significant characters (`significant` > 0), then one 1594 per distinct
// place where the current defines of `symbols` (in identity order, each
// once) stand.
void reportSimilarNames(int number, std::string_view a, std::string_view b, int significant,
                        std::span<const PI_SymbolHandle> symbols);

// The symbols of two runs of `named` (each in identity order), merged in
// identity order.
std::vector<PI_SymbolHandle> mergedSymbols(std::span<const NamedSymbol> first, std::span<const NamedSymbol> second);

}  // namespace zum
