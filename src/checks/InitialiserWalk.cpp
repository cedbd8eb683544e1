#include "checks/InitialiserWalk.h"

#include <algorithm>
#include <tuple>

#include "checks/SymbolOrder.h"
#include "checks/SymbolWalk.h"
#include "util/RadixSort.h"

namespace zum {

namespace {

// Beyond this many pairs kept from earlier walks, they are dropped (and
// walked again when asked for again).
constexpr std::size_t kMostKeptFinds = std::size_t(1) << 24;

}  // namespace

void InitialiserWalk::readUses() {
  const SymbolOrder& order = symbolOrder();
  forEachRelation(P_RelationList::Refers, [this, &order](PI_RelationHandle relation) {
    uses_.push_back({order.serial(PI_getRelationObjectSymbol(relation)), PI_getRelationSubjectSymbol(relation)});
  });
  radixSortStable(uses_, [](const Use& use) { return use.userSerial; });
  usesRead_ = true;
}

std::span<const InitialiserWalk::Use> InitialiserWalk::usesBy(PI_SymbolHandle user) const {
  const std::uint32_t serial = symbolOrder().serial(user);
  const auto first = std::lower_bound(uses_.begin(), uses_.end(), serial,
                                      [](const Use& use, std::uint32_t key) { return use.userSerial < key; });
  auto last = first;
  while (last != uses_.end() && last->userSerial == serial) ++last;
  return {first, last};
}

void InitialiserWalk::walk(PI_SymbolHandle start, std::vector<ReachedUse>& found) {
  visited_.clear();
  queue_.clear();
  visited_[start] = true;
  queue_.push_back(start);
  for (std::size_t next = 0; next < queue_.size(); ++next) {
    PI_SymbolHandle user = queue_[next];
    for (const Use& use : usesBy(user)) {
      PI_DefineHandle definition = facts_.definition(use.used);
      if (definition && PI_isDefineFunction(definition)) {
        if (visited_.tryEmplace(use.used).second) queue_.push_back(use.used);
      } else if ((!definition || PI_isDefineVariable(definition)) && facts_.isGlobal(use.used)) {
        found.push_back({use.used, user});
      }
    }
  }
  const SymbolOrder& order = symbolOrder();
  const auto key = [&order](const ReachedUse& reached) {
    return std::make_tuple(order.serial(reached.used), order.serial(reached.user));
  };
  std::sort(found.begin(), found.end(), [&key](const ReachedUse& a, const ReachedUse& b) { return key(a) < key(b); });
  const auto same = [](const ReachedUse& a, const ReachedUse& b) { return a.used == b.used && a.user == b.user; };
  found.erase(std::unique(found.begin(), found.end(), same), found.end());
}

std::span<const ReachedUse> InitialiserWalk::from(PI_SymbolHandle start) {
  if (const std::uint32_t* known = walked_.find(start)) return finds_[*known];
  if (!usesRead_) readUses();
  if (keptFinds_ > kMostKeptFinds) {
    walked_.clear();
    finds_.clear();
    keptFinds_ = 0;
  }
  std::vector<ReachedUse> found;
  walk(start, found);
  keptFinds_ += found.size();
  walked_[start] = static_cast<std::uint32_t>(finds_.size());
  finds_.push_back(std::move(found));
  return finds_.back();
}

}  // namespace zum
