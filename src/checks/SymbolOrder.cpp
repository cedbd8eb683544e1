#include "checks/SymbolOrder.h"

#include <algorithm>

// The one place where checks look past the plug-in interface: every symbol
// carries its creation serial, so the order costs nothing to ask for.
#include "anlsrslt/model/Symbol.h"

namespace zum {

std::uint32_t SymbolOrder::serial(PI_SymbolHandle symbol) const noexcept {
  return symbol ? symbol->serial() : kUnknown;
}

const SymbolOrder& symbolOrder() {
  static constexpr SymbolOrder order;
  return order;
}

void sortBySymbolOrder(std::vector<PI_SymbolHandle>& symbols) {
  const SymbolOrder& order = symbolOrder();
  std::sort(symbols.begin(), symbols.end(),
            [&order](PI_SymbolHandle a, PI_SymbolHandle b) { return order.less(a, b); });
}

}  // namespace zum
