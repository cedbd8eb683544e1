// A set of integers kept as disjoint ranges, so that a list such as
// "1-20000,1-20000,..." costs one entry however often it is repeated.
#pragma once

#include <cstddef>
#include <map>

namespace zum {

class IntervalSet {
 public:
  // Adds low..high (both included; low <= high).
  void add(int low, int high);
  bool contains(int number) const;
  bool empty() const noexcept { return ranges_.empty(); }
  void clear() noexcept { ranges_.clear(); }

  // Low end -> high end; ranges neither overlap nor touch.
  const std::map<int, int>& ranges() const noexcept { return ranges_; }

  bool operator==(const IntervalSet&) const = default;

 private:
  std::map<int, int> ranges_;
};

}  // namespace zum
