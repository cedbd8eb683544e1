// A set of symbols for the events raised while sources are read: a
// header's declaration raises one in every source that includes it, so
// most inserts find the symbol there already. Open addressing over one
// array keeps those look-ups to one cache line.
#pragma once

#include <cstdint>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "util/LargeBlocks.h"

namespace zum {

class SymbolSet {
 public:
  SymbolSet() : slots_(kInitialSlots, nullptr) {}

  bool contains(PI_SymbolHandle symbol) const noexcept { return slots_[find(symbol)] == symbol; }
  // True when `symbol` was not in the set.
  bool insert(PI_SymbolHandle symbol) {
    std::size_t at = find(symbol);
    if (slots_[at] == symbol) return false;
    slots_[at] = symbol;
    if (++count_ * 2 > slots_.size()) grow();
    return true;
  }
  std::size_t size() const noexcept { return count_; }
  // The symbols in identity order.
  std::vector<PI_SymbolHandle> inSymbolOrder() const;

 private:
  static constexpr unsigned kInitialBits = 6;
  static constexpr std::size_t kInitialSlots = std::size_t(1) << kInitialBits;

  // The slot holding `symbol`, or the empty slot where it would go.
  std::size_t find(PI_SymbolHandle symbol) const noexcept {
    const std::size_t mask = slots_.size() - 1;
    const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(symbol));
    std::size_t at = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
    while (slots_[at] != nullptr && slots_[at] != symbol) at = (at + 1) & mask;
    return at;
  }
  void grow();

  LargeVector<PI_SymbolHandle> slots_;  // a power of two, at most half full
  std::size_t count_ = 0;
  unsigned shift_ = 64 - kInitialBits;  // keeps the top bits of the product
};

}  // namespace zum
