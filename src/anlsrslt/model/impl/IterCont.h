// Iterator containers: the small integer ids behind every PI_getFirst...,
// ...IterData, ...IterNext and ...IterEnd function.
//
// Each iterable kind has a container of its own, so ids of different kinds
// are independent numbers. An id names a slot holding a position and an end
// position; next() frees the id when it reaches the end, and the most
// recently freed id is the one the next first() hands out again. An id
// whose range was empty from the start is never freed: only next() frees.
#pragma once

#include <cstddef>
#include <vector>

#include "util/Assert.h"

namespace zum {

// A position in an indexable model collection. Positions are indexes, not
// element pointers, so a collection that grows while a module iterates it
// (a module may iterate from inside a reading callback) stays safe.
template <class Collection>
struct IndexCursor {
  const Collection* collection = nullptr;
  std::size_t index = 0;

  decltype(auto) element() const { return (*collection)[index]; }
  IndexCursor& operator++() noexcept {
    ++index;
    return *this;
  }
  friend bool operator==(const IndexCursor& a, const IndexCursor& b) noexcept {
    return a.index == b.index && a.collection == b.collection;
  }
};

template <class Cursor>
class IterCont {
 public:
  int first(Cursor begin, Cursor end) {
    if (!freeIds_.empty()) {
      int key = freeIds_.back();
      freeIds_.pop_back();
      itStore_[static_cast<std::size_t>(key)] = Slot{key, begin, end};
      return key;
    }
    U_require(static_cast<std::size_t>(nextId_) >= itStore_.size(), kUnit, __LINE__,
              "nextId >= itStore.size () && \"STL container out of sink with Id numbers.\"");
    int key = nextId_++;
    itStore_.push_back(Slot{key, begin, end});
    return key;
  }

  // True when the position is at the end.
  bool isEnd(int key) const { return slot(key).pos == slot(key).end; }

  // Advances by one; frees the id and answers true when that reaches the end.
  // The caller makes sure the position is not at the end already.
  bool next(int key) {
    Slot& s = slot(key);
    ++s.pos;
    if (s.pos == s.end) {
      freeIds_.push_back(key);
      return true;
    }
    return false;
  }

  // Null when at the end.
  const Cursor* position(int key) const {
    const Slot& s = slot(key);
    return s.pos == s.end ? nullptr : &s.pos;
  }

 private:
  static constexpr const char* kUnit = "anlsrslt/include/../model/impl/IterCont";

  struct Slot {
    int id;
    Cursor pos;
    Cursor end;
  };

  const Slot& slot(int key) const {
    // Compared unsigned, so a negative id is out of range as well.
    U_require(static_cast<unsigned>(key) < static_cast<unsigned>(nextId_), kUnit, __LINE__,
              "key < nextId && \"Iterator Id is out of range.\"");
    return itStore_[static_cast<std::size_t>(key)];
  }
  Slot& slot(int key) { return const_cast<Slot&>(static_cast<const IterCont*>(this)->slot(key)); }

  int nextId_ = 0;
  std::vector<Slot> itStore_;
  std::vector<int> freeIds_;  // the most recently freed id last
};

}  // namespace zum
