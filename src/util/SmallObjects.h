// Memory for the small reference-counted objects that the end of a run
// makes and drops by the hundred thousand: diagnostics, their parameters,
// locations and entity names. Each would otherwise cost a malloc and a
// free (about 200 instructions together); here a freed object's memory is
// kept on a free list of its size class and serves the next object of that
// class in a few instructions.
//
// Memory taken is never handed back (the run keeps its heap anyway). The
// program runs on one thread. Under the address sanitizer every object
// gets its own allocation, so that a use after release is still caught.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ZUM_SMALL_OBJECTS_PASS_THROUGH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZUM_SMALL_OBJECTS_PASS_THROUGH 1
#endif
#endif

namespace zum {

namespace small_objects {

inline constexpr std::size_t kGranule = 16;  // the alignment of operator new
inline constexpr std::size_t kLargest = 256;
inline constexpr std::size_t kClasses = kLargest / kGranule;

struct FreeObject {
  FreeObject* next;
};

struct Pools {
  FreeObject* free[kClasses];
  char* chunk;  // the unused end of the newest chunk
  std::size_t chunkLeft;
};

// Constant-initialised and trivially destroyed: objects released while
// static objects are destroyed still find their list.
extern constinit Pools pools;

inline std::size_t classOf(std::size_t size) noexcept { return (size - 1) / kGranule; }
inline bool isPooled(std::size_t size) noexcept { return size - 1 < kLargest; }

// Carves an object of `size` from the newest chunk (a pooled size whose
// list is empty) or takes it from operator new (any other).
void* allocateSlow(std::size_t size);

}  // namespace small_objects

// For the class-specific operator new and delete of such a class (derived
// classes inherit them; a delete through a virtual destructor hands on the
// size of the object's own class). Inline: the common case is one list.
inline void* allocateSmallObject(std::size_t size) {
#ifndef ZUM_SMALL_OBJECTS_PASS_THROUGH
  using namespace small_objects;
  if (isPooled(size)) {
    FreeObject*& head = pools.free[classOf(size)];
    if (FreeObject* object = head) {
      head = object->next;
      return object;
    }
  }
#endif
  return small_objects::allocateSlow(size);
}

inline void freeSmallObject(void* object, [[maybe_unused]] std::size_t size) noexcept {
#ifndef ZUM_SMALL_OBJECTS_PASS_THROUGH
  using namespace small_objects;
  if (object && isPooled(size)) {
    FreeObject*& head = pools.free[classOf(size)];
    head = new (object) FreeObject{head};
    return;
  }
#endif
  // Unsized: clang does not declare the sized form unless asked to.
  ::operator delete(object);
}

// A standard allocator on the same free lists, for the small arrays such
// objects own (a diagnostic's few parameters): an array too large for the
// lists is taken from operator new as before.
template <class T>
struct SmallObjectAllocator {
  using value_type = T;
  SmallObjectAllocator() noexcept = default;
  template <class U>
  SmallObjectAllocator(const SmallObjectAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocateSmallObject(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { freeSmallObject(p, n * sizeof(T)); }
  friend bool operator==(const SmallObjectAllocator&, const SmallObjectAllocator&) noexcept { return true; }
};

}  // namespace zum
