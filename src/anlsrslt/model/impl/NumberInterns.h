// Interned texts of short decimal numbers, found by their digits.
//
// Most values of the metric records are numbers of one to three digits
// ("1", "12", "040"): each has its place in a table, filled the first time
// the number is seen, so that it is found without a compare or a hash.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "util/StringStore.h"

namespace zum {

class NumberInterns {
 public:
  // The interned text of `text`; null when it is not made of one to three
  // digits.
  const char* intern(std::string_view text) {
    std::size_t index = 0;
    if (!indexOf(text, index)) return nullptr;
    const char*& entry = entries_[index];
    if (!entry) entry = U_SingletonStringStore<SimpleStringCompare>::instance().intern(text);
    return entry;
  }

 private:
  // One block per length, so that "1", "01" and "001" differ.
  static constexpr std::size_t kOffsets[4] = {0, 0, 10, 110};

  static bool indexOf(std::string_view text, std::size_t& index) noexcept {
    if (text.empty() || text.size() > 3) return false;
    std::size_t value = 0;
    for (char c : text) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    index = kOffsets[text.size()] + value;
    return true;
  }

  std::array<const char*, 1110> entries_{};
};

}  // namespace zum
