#include "checks/SymbolSet.h"

#include <cstdint>

#include "checks/SymbolOrder.h"
#include "util/RadixSort.h"

namespace zum {

std::vector<PI_SymbolHandle> SymbolSet::inSymbolOrder() const {
  // The members are tens of thousands of symbols anywhere in the model:
  // each one's serial is read once and the pairs are sorted by radix,
  // where a comparison sort would read the serials log n times. Serials
  // are unique, so the order is the one a comparison sort gives.
  struct Keyed {
    std::uint32_t serial;
    PI_SymbolHandle symbol;
  };
  const SymbolOrder& order = symbolOrder();
  std::vector<Keyed> keyed;
  keyed.reserve(members_.size());
  for (PI_SymbolHandle symbol : members_) keyed.push_back({order.serial(symbol), symbol});
  radixSortStable(keyed, [](const Keyed& entry) { return entry.serial; });
  std::vector<PI_SymbolHandle> symbols;
  symbols.reserve(keyed.size());
  for (const Keyed& entry : keyed) symbols.push_back(entry.symbol);
  return symbols;
}

}  // namespace zum
