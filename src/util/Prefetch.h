// Loops over items that lie where memory order does not predict them.
//
// Visiting such an item is a chain of dependent loads (the item, what it
// points to, what that points to), each a cache miss in turn. Fetching the
// first link some items ahead, the next link fewer items ahead (by when
// the first has arrived), and so on, lets the misses of several items
// overlap. Fetching changes no result, only when memory is read.
#pragma once

#include <cstddef>

namespace zum {

inline void prefetch(const void* address) noexcept { __builtin_prefetch(address); }

// Calls `visit(i)` for every i below `count`. Before each, stage k of
// `stages` is called with the index `distance >> k` places further on
// (when there is one): stage 0 fetches the item, stage 1 what it points
// to, and so on.
template <class Visit, class... Stages>
void forEachFetchingAhead(std::size_t count, std::size_t distance, Visit visit, Stages... stages) {
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t ahead = distance;
    ((i + ahead < count ? stages(i + ahead) : void(), ahead /= 2), ...);
    visit(i);
  }
}

}  // namespace zum
