// A vector of pointers that keeps its first element inline.
//
// Most symbols hold exactly one define (every local variable and parameter
// is a symbol of its own), so the common case costs no heap block at all.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

namespace zum {

template <class T>
class SmallPtrVector {
 public:
  SmallPtrVector() = default;
  SmallPtrVector(const SmallPtrVector&) = delete;
  SmallPtrVector& operator=(const SmallPtrVector&) = delete;
  ~SmallPtrVector() {
    if (capacity_ > 1) delete[] heap_;
  }

  std::uint32_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T* operator[](std::uint32_t i) const noexcept { return data()[i]; }
  T* const* begin() const noexcept { return data(); }
  T* const* end() const noexcept { return data() + size_; }

  void push_back(T* value) {
    if (size_ == 0 && capacity_ <= 1) {
      one_ = value;
      size_ = 1;
      capacity_ = 1;
      return;
    }
    if (size_ == capacity_) {
      std::uint32_t capacity = capacity_ < 4 ? 4 : capacity_ * 2;
      T** heap = new T*[capacity];
      std::memcpy(heap, data(), sizeof(T*) * size_);
      if (capacity_ > 1) delete[] heap_;
      heap_ = heap;
      capacity_ = capacity;
    }
    heap_[size_++] = value;
  }

 private:
  T* const* data() const noexcept { return capacity_ > 1 ? heap_ : &one_; }

  union {
    T* one_ = nullptr;
    T** heap_;
  };
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = 0;
};

}  // namespace zum
