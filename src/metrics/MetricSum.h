// Adding up metric values of the per-file analyser for a project metric.
#pragma once

#include <climits>

namespace zum {

// Project metrics are counts: a negative value read from a metric file
// adds nothing, and the sum stops at the largest value a metric line holds.
class MetricSum {
 public:
  void add(int value) {
    if (value <= 0) return;
    total_ = value > INT_MAX - total_ ? INT_MAX : total_ + value;
  }
  int value() const noexcept { return total_; }

 private:
  int total_ = 0;
};

}  // namespace zum
