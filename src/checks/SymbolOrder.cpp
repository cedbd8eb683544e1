#include "checks/SymbolOrder.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "util/ProcessState.h"

namespace zum {

namespace {

struct SymbolOrderState {
  std::unique_ptr<SymbolOrder> order;
};

bool handleLess(const std::pair<PI_SymbolHandle, std::uint32_t>& a,
                const std::pair<PI_SymbolHandle, std::uint32_t>& b) {
  return std::less<PI_SymbolHandle>()(a.first, b.first);
}

}  // namespace

SymbolOrder::SymbolOrder() {
  std::uint32_t serial = 0;
  for (int it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it))
    byHandle_.emplace_back(PI_getSymbolIterData(it), serial++);
  std::sort(byHandle_.begin(), byHandle_.end(), handleLess);
}

std::uint32_t SymbolOrder::serial(PI_SymbolHandle symbol) const {
  auto found = std::lower_bound(byHandle_.begin(), byHandle_.end(), std::make_pair(symbol, std::uint32_t(0)),
                                handleLess);
  return found != byHandle_.end() && found->first == symbol ? found->second : kUnknown;
}

const SymbolOrder& symbolOrder() {
  std::unique_ptr<SymbolOrder>& order = ProcessState::get<SymbolOrderState>().order;
  if (!order) order = std::make_unique<SymbolOrder>();
  return *order;
}

}  // namespace zum
