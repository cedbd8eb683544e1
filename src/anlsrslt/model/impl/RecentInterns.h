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
    for (const char* entry : entries_) {
      // Texts of one length often share their start ("STCYC", "STLIN"):
      // the last byte tells most of them apart before a compare.
      if (entry && intern::header(entry).size == text.size() &&
          (text.empty() || entry[text.size() - 1] == text.back()) &&
          std::memcmp(entry, text.data(), text.size()) == 0)
        return entry;
    }
    const char* stored = U_SingletonStringStore<SimpleStringCompare>::instance().intern(text);
    entries_[next_] = stored;
    next_ = (next_ + 1) % kEntries;
    return stored;
  }

 private:
  std::array<const char*, kEntries> entries_{};
  std::size_t next_ = 0;
};

}  // namespace zum
