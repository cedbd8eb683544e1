// Answers kept because they are asked again, and how they are kept honest.
//
// A memo or read cache may only ever give the answer a fresh computation
// would give. In builds with ZUM_CHECK_MEMOS (the sanitizer builds) every
// answer one gives is compared with a fresh computation, and a difference
// stops the run as an assertion. The debug switch "no-read-caches" turns
// them all off for a run (C_readCachesOn()).
#pragma once

#include <utility>

namespace zum {

#ifdef ZUM_CHECK_MEMOS
inline constexpr bool kCheckMemos = true;
#else
inline constexpr bool kCheckMemos = false;
#endif

// Stops the run when a kept answer differs from the fresh one.
void checkMemo(bool agrees, const char* memo);

// The answer for the last key asked: a walk in key order asks the same
// question many times in a row. `Value` must compare with ==.
template <class Key, class Value>
class LastAnswer {
 public:
  // `on` false: every question is computed afresh.
  explicit LastAnswer(bool on) : on_(on) {}

  template <class Compute>
  const Value& get(const Key& key, Compute compute) {
    if (on_ && known_ && key == key_) {
      if constexpr (kCheckMemos) checkMemo(compute(key) == value_, "LastAnswer");
      return value_;
    }
    value_ = compute(key);
    key_ = key;
    known_ = true;
    return value_;
  }

 private:
  bool on_;
  bool known_ = false;
  Key key_{};
  Value value_{};
};

}  // namespace zum
