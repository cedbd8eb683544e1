#include "checks/SymbolSet.h"

#include "checks/SymbolOrder.h"

namespace zum {

void SymbolSet::grow() {
  LargeVector<PI_SymbolHandle> old(slots_.size() * 2, nullptr);
  old.swap(slots_);
  --shift_;
  for (PI_SymbolHandle symbol : old)
    if (symbol) slots_[find(symbol)] = symbol;
}

std::vector<PI_SymbolHandle> SymbolSet::inSymbolOrder() const {
  std::vector<PI_SymbolHandle> symbols;
  symbols.reserve(count_);
  for (PI_SymbolHandle symbol : slots_)
    if (symbol) symbols.push_back(symbol);
  sortBySymbolOrder(symbols);
  return symbols;
}

}  // namespace zum
