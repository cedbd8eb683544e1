// The identity order of symbols: the order in which the model created
// them. Tables keyed by symbols iterate in this order, so what a check
// reports does not depend on where the symbols happen to lie in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

class SymbolOrder {
 public:
  // The symbol's position in creation order; kUnknown for a null handle.
  std::uint32_t serial(PI_SymbolHandle symbol) const noexcept;
  bool less(PI_SymbolHandle a, PI_SymbolHandle b) const noexcept { return serial(a) < serial(b); }

  static constexpr std::uint32_t kUnknown = UINT32_MAX;
};

// The order of the run's symbols.
const SymbolOrder& symbolOrder();

// Sorts `symbols` into identity order.
void sortBySymbolOrder(std::vector<PI_SymbolHandle>& symbols);

}  // namespace zum
