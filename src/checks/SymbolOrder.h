// The identity order of symbols: the order in which the model created
// them. Tables keyed by symbols iterate in this order, so what a check
// reports does not depend on where the symbols happen to lie in memory.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

class SymbolOrder {
 public:
  // Walks every symbol of the model once.
  SymbolOrder();

  // The symbol's position in creation order; kUnknown for a handle that
  // is no symbol of the model.
  std::uint32_t serial(PI_SymbolHandle symbol) const;
  bool less(PI_SymbolHandle a, PI_SymbolHandle b) const { return serial(a) < serial(b); }

  static constexpr std::uint32_t kUnknown = UINT32_MAX;

 private:
  // Sorted by handle for the look-up.
  std::vector<std::pair<PI_SymbolHandle, std::uint32_t>> byHandle_;
};

// The order of the run's symbols, made at the first request. Only asked for
// at the end of the run, when no symbol is added any more.
const SymbolOrder& symbolOrder();

}  // namespace zum
