#include "checks/SymbolSet.h"

#include "checks/SymbolOrder.h"

namespace zum {

std::vector<PI_SymbolHandle> SymbolSet::inSymbolOrder() const {
  std::vector<PI_SymbolHandle> symbols = members_;
  sortBySymbolOrder(symbols);
  return symbols;
}

}  // namespace zum
