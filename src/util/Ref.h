// Intrusive reference counting: the base of every shared object of the
// program and the handle that keeps it alive.
#pragma once

#include <cstddef>
#include <utility>

// The count starts at 0; the object dies through its virtual destructor
// when the last handle lets go. Copying an object never copies its count.
class U_Ref {
 public:
  U_Ref() = default;
  U_Ref(const U_Ref&) noexcept {}
  U_Ref& operator=(const U_Ref&) noexcept { return *this; }
  virtual ~U_Ref() = default;

  void addRef() const noexcept { ++count_; }
  void release() const noexcept {
    if (--count_ == 0) delete this;
  }
  int refCount() const noexcept { return count_; }

 private:
  mutable int count_ = 0;
};

// A counting handle. A default handle is null.
template <class T>
class U_Handle {
 public:
  U_Handle() noexcept = default;
  U_Handle(std::nullptr_t) noexcept {}
  U_Handle(T* object) noexcept : object_(object) {
    if (object_) object_->addRef();
  }
  U_Handle(const U_Handle& other) noexcept : U_Handle(other.object_) {}
  U_Handle(U_Handle&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <class U>
  U_Handle(const U_Handle<U>& other) noexcept : U_Handle(other.pointer()) {}
  ~U_Handle() { reset(); }

  U_Handle& operator=(U_Handle other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  void reset() noexcept {
    if (object_) std::exchange(object_, nullptr)->release();
  }

  T* pointer() const noexcept { return object_; }
  T* get() const noexcept { return object_; }
  bool isSet() const noexcept { return object_ != nullptr; }
  explicit operator bool() const noexcept { return object_ != nullptr; }
  T* operator->() const noexcept { return object_; }
  T& operator*() const noexcept { return *object_; }

  friend bool operator==(const U_Handle& a, const U_Handle& b) noexcept {
    return a.object_ == b.object_;
  }

 private:
  T* object_ = nullptr;
};

template <class T, class... Args>
U_Handle<T> U_make(Args&&... args) {
  return U_Handle<T>(new T(std::forward<Args>(args)...));
}
