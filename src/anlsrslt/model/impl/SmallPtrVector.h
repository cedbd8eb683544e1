// A vector of pointers that keeps its first element inline.
//
// Most symbols hold exactly one define (every local variable and parameter
// is a symbol of its own), so the common case costs no heap block at all.
// The capacity follows from the size (one inline, then powers of two from
// four), so the vector is one pointer and one count.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace zum {

template <class T>
class SmallPtrVector {
 public:
  SmallPtrVector() = default;
  SmallPtrVector(const SmallPtrVector&) = delete;
  SmallPtrVector& operator=(const SmallPtrVector&) = delete;
  ~SmallPtrVector() {
    if (size_ > 1) delete[] heap_;
  }

  std::uint32_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T* operator[](std::uint32_t i) const noexcept { return data()[i]; }
  T* const* begin() const noexcept { return data(); }
  T* const* end() const noexcept { return data() + size_; }

  void push_back(T* value) {
    if (size_ == 0) {
      one_ = value;
    } else if (size_ == 1) {
      T** heap = new T*[kFirstHeapCapacity];
      heap[0] = one_;
      heap_ = heap;
      heap_[1] = value;
    } else {
      if (size_ == capacityOf(size_)) {
        T** heap = new T*[std::size_t(size_) * 2];
        std::memcpy(heap, heap_, sizeof(T*) * size_);
        delete[] heap_;
        heap_ = heap;
      }
      heap_[size_] = value;
    }
    ++size_;
  }

 private:
  static constexpr std::uint32_t kFirstHeapCapacity = 4;
  // The capacity of a heap block holding `size` (at least 2) elements.
  static std::uint32_t capacityOf(std::uint32_t size) noexcept {
    return size <= kFirstHeapCapacity ? kFirstHeapCapacity : std::bit_ceil(size);
  }
  T* const* data() const noexcept { return size_ > 1 ? heap_ : &one_; }

  union {
    T* one_ = nullptr;
    T** heap_;
  };
  std::uint32_t size_ = 0;
};

}  // namespace zum
