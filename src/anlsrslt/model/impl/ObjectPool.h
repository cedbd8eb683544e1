// Storage for model objects that live until the end of the run.
//
// Millions of defines, symbols and relations are made per run; allocating
// them in blocks saves the per-object heap overhead. The pool alone
// destroys its objects: a reference-counted one gets one reference from the
// pool, so that a module's handle can never be the last one, and the most
// numerous records carry no count at all.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "util/LargeBlocks.h"
#include "util/Ref.h"

namespace zum {

template <class T, std::size_t kBlockObjects = 1024>
class ObjectPool {
 public:
  ObjectPool() : memory_(kBlockBytes) {}
  ObjectPool(const ObjectPool&) = delete;
  ObjectPool& operator=(const ObjectPool&) = delete;
  ~ObjectPool() {
    for (std::size_t i = count_; i-- > 0;) at(i)->~T();
  }

  template <class... Args>
  T* make(Args&&... args) {
    if (count_ == blocks_.size() * kBlockObjects) blocks_.push_back(static_cast<unsigned char*>(memory_.allocate()));
    T* object = new (at(count_)) T(std::forward<Args>(args)...);
    ++count_;
    if constexpr (std::is_base_of_v<U_Ref, T>) object->addRef();
    return object;
  }

  std::size_t size() const noexcept { return count_; }

  // The objects in the order they were made.
  T* operator[](std::size_t i) const noexcept {
    return std::launder(reinterpret_cast<T*>(blocks_[i / kBlockObjects] + sizeof(T) * (i % kBlockObjects)));
  }
  class Iterator {
   public:
    Iterator(const ObjectPool* pool, std::size_t index) noexcept : pool_(pool), index_(index) {}
    T* operator*() const noexcept { return (*pool_)[index_]; }
    Iterator& operator++() noexcept {
      ++index_;
      return *this;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) noexcept { return a.index_ == b.index_; }

   private:
    const ObjectPool* pool_;
    std::size_t index_;
  };
  Iterator begin() const noexcept { return Iterator(this, 0); }
  Iterator end() const noexcept { return Iterator(this, count_); }

 private:
  static constexpr std::size_t kBlockBytes = sizeof(T) * kBlockObjects;
  static_assert(alignof(T) <= 16 && kBlockBytes % 16 == 0, "blocks are 16-byte aligned");
  T* at(std::size_t i) noexcept { return (*this)[i]; }

  LargeBlocks memory_;
  std::vector<unsigned char*> blocks_;
  std::size_t count_ = 0;
};

}  // namespace zum
