#include "CallTargets.h"

namespace genproject {

namespace {

// Picks a pool first (own, neighbour or shared, as code tends to use them),
// falling back to the others when it is empty.
template <class Pool>
const typename Pool::value_type* pickFrom(Random& random, const Pool& own, const Pool& neighbour, const Pool& shared) {
  uint32_t roll = random.below(100);
  const Pool* pools[3];
  if (roll < 45)
    pools[0] = &own, pools[1] = &shared, pools[2] = &neighbour;
  else if (roll < 60)
    pools[0] = &neighbour, pools[1] = &own, pools[2] = &shared;
  else
    pools[0] = &shared, pools[1] = &own, pools[2] = &neighbour;
  for (const Pool* pool : pools)
    if (!pool->empty()) return &(*pool)[random.below(uint32_t(pool->size()))];
  return nullptr;
}

}  // namespace

void CallTargets::addFunction(std::vector<const Function*>& pool, const Function& function, uint64_t rank) {
  pool.push_back(&function);
  ranks.emplace(function.name, rank);
}

bool CallTargets::mayCall(const Function& caller, std::string_view callee) const {
  auto calleeRank = ranks.find(callee);
  if (calleeRank == ranks.end()) return true;
  auto callerRank = ranks.find(caller.name);
  return callerRank == ranks.end() || calleeRank->second < callerRank->second;
}

const Function* CallTargets::pickFunction(Random& random, const Function& caller) const {
  auto rankOf = [this](const Function* f) {
    auto found = ranks.find(f->name);
    return found == ranks.end() ? UINT64_MAX : found->second;
  };
  const uint64_t callerRank = rankOf(&caller);
  // A few tries, so that low-ranked callers still call something.
  for (int attempt = 0; attempt < 4; ++attempt) {
    const Function* const* picked = pickFrom(random, own, neighbour, shared);
    if (!picked) return nullptr;
    if (rankOf(*picked) < callerRank) return *picked;
  }
  return nullptr;
}

const Object* CallTargets::pickObject(Random& random) const {
  const Object* const* picked = pickFrom(random, ownObjects, neighbourObjects, sharedObjects);
  return picked ? *picked : nullptr;
}

const Allocatable* CallTargets::pickAllocatable(Random& random) const {
  return pickFrom(random, ownAllocatable, neighbourAllocatable, sharedAllocatable);
}

}  // namespace genproject
