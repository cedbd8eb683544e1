// The objects that a function called in an initialiser may read: what the
// function refers to, and what every function it refers to refers to, on
// through the whole graph of refers relations.
//
// The walk goes breadth first with a queue of its own and a mark per
// function, so a call chain of any depth costs no machine stack, and a
// function is expanded once per walk however many paths lead to it, cycles
// included. What a walk finds depends only on the function it starts from,
// so each start is walked once per run.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "checks/InitialisationFacts.h"
#include "util/FlatMap.h"
#include "util/LargeBlocks.h"

namespace zum {

// `user` refers to the global object `used`.
struct ReachedUse {
  PI_SymbolHandle used;
  PI_SymbolHandle user;
};

class InitialiserWalk {
 public:
  explicit InitialiserWalk(InitialisationFacts& facts) : facts_(facts) {}

  // Every pair (U, F) where F is `start` or a defined function that `start`
  // reaches, F refers to U, and U is a global object that is a defined
  // variable or has no definition. In identity order of U, then of F; each
  // pair once. The span stays valid until the next call.
  std::span<const ReachedUse> from(PI_SymbolHandle start);

 private:
  // The refers relations, grouped by the referring symbol.
  struct Use {
    std::uint32_t userSerial;
    PI_SymbolHandle used;
  };
  void readUses();
  std::span<const Use> usesBy(PI_SymbolHandle user) const;
  void walk(PI_SymbolHandle start, std::vector<ReachedUse>& found);

  InitialisationFacts& facts_;
  bool usesRead_ = false;
  LargeVector<Use> uses_;  // sorted by userSerial
  FlatMap<PI_SymbolHandle, bool> visited_;
  std::vector<PI_SymbolHandle> queue_;
  // The finds of earlier walks, by start. Dropped all at once should they
  // grow past what a run can keep.
  FlatMap<PI_SymbolHandle, std::uint32_t> walked_;
  std::vector<std::vector<ReachedUse>> finds_;
  std::size_t keptFinds_ = 0;
};

}  // namespace zum
