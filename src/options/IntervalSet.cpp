#include "options/IntervalSet.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zum {

void IntervalSet::add(int low, int high) {
  std::int64_t newLow = low;
  std::int64_t newHigh = high;
  auto at = ranges_.upper_bound(low);
  if (at != ranges_.begin()) {
    auto before = std::prev(at);
    if (static_cast<std::int64_t>(before->second) + 1 >= newLow) at = before;
  }
  // Swallow every range that overlaps or touches the new one.
  while (at != ranges_.end() && static_cast<std::int64_t>(at->first) <= newHigh + 1) {
    newLow = std::min<std::int64_t>(newLow, at->first);
    newHigh = std::max<std::int64_t>(newHigh, at->second);
    at = ranges_.erase(at);
  }
  ranges_.emplace_hint(at, static_cast<int>(newLow), static_cast<int>(newHigh));
}

bool IntervalSet::contains(int number) const {
  auto at = ranges_.upper_bound(number);
  if (at == ranges_.begin()) return false;
  return std::prev(at)->second >= number;
}

}  // namespace zum
