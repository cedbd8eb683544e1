// Who uses which symbol, and where: the refers relations and the
// extern-variable records of the project, grouped by the used symbol.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

struct SymbolUse {
  PI_SymbolHandle used = nullptr;
  PI_SymbolHandle user = nullptr;
  const char* file = nullptr;  // of the user's current define
  int line = 0;
};

class UseTable {
 public:
  // Reads every refers relation, then every extern-variable record. A use
  // of a symbol whose current define `skipUsed` rejects is not kept. A
  // block-scope variable that uses an extern variable counts as a use by
  // the symbol of its enclosing scope.
  explicit UseTable(bool (*skipUsed)(PI_DefineHandle));

  // Calls `visit(used, uses)` for each used symbol in identity order; the
  // uses name each user once, with the place of its first use, in identity
  // order of the users.
  template <class Visit>
  void forEachUsed(Visit visit) const {
    std::size_t begin = 0;
    while (begin < uses_.size()) {
      std::size_t end = begin + 1;
      while (end < uses_.size() && uses_[end].used == uses_[begin].used) ++end;
      visit(uses_[begin].used, std::span<const SymbolUse>(uses_.data() + begin, end - begin));
      begin = end;
    }
  }

  std::size_t size() const noexcept { return uses_.size(); }

 private:
  struct Entry {
    std::uint32_t usedSerial;
    std::uint32_t userSerial;
    std::uint32_t sequence;
    SymbolUse use;
  };
  void add(PI_SymbolHandle used, PI_SymbolHandle user, int line, bool (*skipUsed)(PI_DefineHandle));
  void finish();

  std::vector<Entry> entries_;
  std::vector<SymbolUse> uses_;
};

}  // namespace zum
