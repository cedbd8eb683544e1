// Storage for model objects that live until the end of the run.
//
// Millions of defines, symbols and relations are made per run; allocating
// them in blocks saves the per-object heap overhead, and keeping one
// reference per object for the pool means that a module's handle can never
// be the last one: the pool alone destroys its objects.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace zum {

template <class T, std::size_t kBlockObjects = 1024>
class ObjectPool {
 public:
  ObjectPool() = default;
  ObjectPool(const ObjectPool&) = delete;
  ObjectPool& operator=(const ObjectPool&) = delete;
  ~ObjectPool() {
    for (std::size_t i = count_; i-- > 0;) at(i)->~T();
  }

  template <class... Args>
  T* make(Args&&... args) {
    if (count_ == blocks_.size() * kBlockObjects) blocks_.emplace_back(new Block);
    T* object = new (at(count_)) T(std::forward<Args>(args)...);
    ++count_;
    object->addRef();
    return object;
  }

  std::size_t size() const noexcept { return count_; }

 private:
  struct Block {
    alignas(T) unsigned char bytes[sizeof(T) * kBlockObjects];
  };
  T* at(std::size_t i) noexcept {
    return std::launder(reinterpret_cast<T*>(blocks_[i / kBlockObjects]->bytes + sizeof(T) * (i % kBlockObjects)));
  }

  std::vector<std::unique_ptr<Block>> blocks_;
  std::size_t count_ = 0;
};

}  // namespace zum
