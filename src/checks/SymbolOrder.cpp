#include "checks/SymbolOrder.h"

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

}  // namespace zum
