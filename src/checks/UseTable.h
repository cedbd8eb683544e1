// Who uses which symbol, and where: the refers relations and the
// extern-variable records of the project, grouped by the used symbol.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "util/LargeBlocks.h"
#include "util/Memo.h"

namespace zum {

struct SymbolUse {
  PI_SymbolHandle user = nullptr;
  const char* file = nullptr;  // of the user's current define
  int line = 0;
  // The table's sort key beside the use itself, so that the uses are
  // grouped where they were collected, with no second copy: the identity
  // order of the used symbol, then of the user, then the order of reading.
  std::uint32_t usedSerial = 0;
  std::uint32_t userSerial = 0;
  std::uint32_t sequence = 0;
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
    for (const Group& group : groups_)
      visit(group.used, std::span<const SymbolUse>(uses_.data() + group.begin, group.end - group.begin));
  }

  std::size_t size() const noexcept { return uses_.size(); }

 private:
  struct Group {
    PI_SymbolHandle used;
    std::uint32_t begin;
    std::uint32_t end;
  };
  // What a use needs of the used symbol and of the user.
  struct Used {
    bool skipped = false;
    std::uint32_t serial = 0;
    bool operator==(const Used&) const = default;
  };
  struct User {
    std::uint32_t serial = 0;
    const char* file = nullptr;
    bool operator==(const User&) const = default;
  };
  Used usedFacts(PI_SymbolHandle used) const;
  static User userFacts(PI_SymbolHandle user);

  void add(PI_SymbolHandle used, PI_SymbolHandle user, int line);
  void finish();

  bool (*skipUsed_)(PI_DefineHandle);
  // The relations come grouped by name, so the last used symbol and the
  // last user answer most questions without touching another symbol.
  LastAnswer<PI_SymbolHandle, Used> lastUsed_;
  LastAnswer<PI_SymbolHandle, User> lastUser_;

  LargeVector<SymbolUse> uses_;
  // (serial, symbol) of the used symbols, as they came.
  std::vector<std::pair<std::uint32_t, PI_SymbolHandle>> usedSymbols_;
  std::vector<Group> groups_;
};

}  // namespace zum
