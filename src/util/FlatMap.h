// Open-addressing hash maps for the hot look-ups of the model.
//
// Keys are interned pointers (or small tuples of them), so hashing is a
// multiply and equality a compare. Slots carry the generation in which they
// were written: clear() only bumps the generation, which makes emptying a
// map O(1) however large it grew. The per-source name map relies on that,
// since it is emptied once for each of possibly thousands of sources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "util/LargeBlocks.h"

namespace zum {

inline std::size_t mixPointerBits(std::uint64_t bits) noexcept {
  bits *= 0x9E3779B97F4A7C15ull;
  return static_cast<std::size_t>(bits ^ (bits >> 29));
}

template <class Key>
struct FlatMapPointerHash {
  std::size_t operator()(Key key) const noexcept {
    return mixPointerBits(reinterpret_cast<std::uintptr_t>(key));
  }
};

template <class Key, class Value, class Hash = FlatMapPointerHash<Key>>
class FlatMap {
 public:
  FlatMap() = default;

  std::size_t size() const noexcept { return count_; }
  bool empty() const noexcept { return count_ == 0; }

  Value* find(const Key& key) noexcept {
    if (count_ == 0) return nullptr;
    for (std::size_t i = home(key);; i = (i + 1) & mask_) {
      Slot& slot = slots_[i];
      if (slot.generation != generation_) return nullptr;
      if (slot.key == key) return &slot.value;
    }
  }
  const Value* find(const Key& key) const noexcept { return const_cast<FlatMap*>(this)->find(key); }
  bool contains(const Key& key) const noexcept { return find(key) != nullptr; }

  // Inserts a default value when the key is new; second tells whether it was.
  std::pair<Value*, bool> tryEmplace(const Key& key) {
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    for (std::size_t i = home(key);; i = (i + 1) & mask_) {
      Slot& slot = slots_[i];
      if (slot.generation != generation_) {
        slot.generation = generation_;
        slot.key = key;
        slot.value = Value();
        ++count_;
        return {&slot.value, true};
      }
      if (slot.key == key) return {&slot.value, false};
    }
  }

  Value& operator[](const Key& key) { return *tryEmplace(key).first; }

  // O(1): slots of older generations read as empty.
  void clear() noexcept {
    count_ = 0;
    if (++generation_ == 0) {
      // After 2^32 clears the stamps could collide with live ones.
      for (Slot& slot : slots_) slot.generation = 0;
      generation_ = 1;
    }
  }

  template <class Fn>
  void forEach(Fn&& fn) const {
    for (const Slot& slot : slots_)
      if (slot.generation == generation_) fn(slot.key, slot.value);
  }

 private:
  struct Slot {
    Key key{};
    std::uint32_t generation = 0;
    Value value{};
  };

  std::size_t home(const Key& key) const noexcept { return Hash()(key) & mask_; }

  void grow() {
    std::vector<Slot, TableAllocator<Slot>> old;
    old.swap(slots_);
    std::uint32_t oldGeneration = generation_;
    slots_.resize(old.empty() ? 16 : old.size() * 2);
    mask_ = slots_.size() - 1;
    generation_ = 1;
    count_ = 0;
    for (Slot& slot : old) {
      if (slot.generation != oldGeneration) continue;
      *tryEmplace(slot.key).first = std::move(slot.value);
    }
  }

  std::vector<Slot, TableAllocator<Slot>> slots_;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
  std::uint32_t generation_ = 1;
};

}  // namespace zum
