// A set of symbols for the events raised while sources are read: a
// header's declaration raises one in every source that includes it, so
// most inserts find the symbol there already. Membership is a mark on the
// symbol itself (P_SymbolMark), which the event has at hand; the members
// are also listed, for the end of the run.
#pragma once

#include <cstddef>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"

namespace zum {

class SymbolSet {
 public:
  // `mark` is owned by this set: no other may set it.
  explicit SymbolSet(P_SymbolMark mark) noexcept : mark_(mark) {}

  bool contains(PI_SymbolHandle symbol) const { return P_hasSymbolMark(symbol, mark_); }
  // True when `symbol` was not in the set.
  bool insert(PI_SymbolHandle symbol) {
    if (contains(symbol)) return false;
    P_setSymbolMark(symbol, mark_);
    members_.push_back(symbol);
    return true;
  }
  std::size_t size() const noexcept { return members_.size(); }
  // The symbols in identity order.
  std::vector<PI_SymbolHandle> inSymbolOrder() const;

 private:
  P_SymbolMark mark_;
  std::vector<PI_SymbolHandle> members_;  // in the order they were inserted
};

}  // namespace zum
