// A few recently interned texts, checked before the interning store.
//
// Fields such as metric names ("STCYC"), literal suffixes ("-") and common
// types ("ni") repeat on most lines. Comparing with a handful of recent
// texts costs a few short compares; the store costs a hash and a probe into
// a table far too big for the cache.
#pragma once

#include <array>
#include <cstring>
#include <string_view>

#include "util/StringStore.h"

namespace zum {

template <std::size_t kEntries>
class RecentInterns {
 public:
  // The interned text of `text`: the store's pointer.
  const char* intern(std::string_view text) {
    // Texts often come back in the order they came before (the metric
    // names of every function): the entry after the last one found is
    // tried first.
    const std::size_t expected = (last_ + 1) % kEntries;
    if (holds(entries_[expected], text)) return found(expected);
    for (std::size_t i = 0; i < kEntries; ++i)
      if (holds(entries_[i], text)) return found(i);
    const char* stored = U_SingletonStringStore<SimpleStringCompare>::instance().intern(text);
    entries_[next_] = stored;
    last_ = next_;
    next_ = (next_ + 1) % kEntries;
    return stored;
  }

 private:
  // Texts of one length often share their start ("STCYC", "STLIN"): the
  // last byte tells most of them apart before a compare.
  static bool holds(const char* entry, std::string_view text) noexcept {
    return entry && intern::header(entry).size == text.size() &&
           (text.empty() || entry[text.size() - 1] == text.back()) &&
           std::memcmp(entry, text.data(), text.size()) == 0;
  }

  const char* found(std::size_t i) noexcept {
    last_ = i;
    return entries_[i];
  }

  std::array<const char*, kEntries> entries_{};
  std::size_t next_ = 0;
  std::size_t last_ = kEntries - 1;
};

}  // namespace zum
