#include "util/SmallObjects.h"

#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ZUM_SMALL_OBJECTS_PASS_THROUGH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZUM_SMALL_OBJECTS_PASS_THROUGH 1
#endif
#endif

namespace zum {

namespace {

constexpr std::size_t kGranule = 16;  // the alignment of operator new
constexpr std::size_t kLargest = 256;
constexpr std::size_t kClasses = kLargest / kGranule;
constexpr std::size_t kChunkBytes = 64 * 1024;

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
constinit Pools pools{};

std::size_t classOf(std::size_t size) noexcept { return (size + kGranule - 1) / kGranule - 1; }

}  // namespace

void* allocateSmallObject(std::size_t size) {
#ifdef ZUM_SMALL_OBJECTS_PASS_THROUGH
  return ::operator new(size);
#else
  if (size == 0 || size > kLargest) return ::operator new(size);
  const std::size_t sizeClass = classOf(size);
  if (FreeObject* object = pools.free[sizeClass]) {
    pools.free[sizeClass] = object->next;
    return object;
  }
  const std::size_t bytes = (sizeClass + 1) * kGranule;
  if (pools.chunkLeft < bytes) {
    pools.chunk = static_cast<char*>(::operator new(kChunkBytes));
    pools.chunkLeft = kChunkBytes;
  }
  void* object = pools.chunk;
  pools.chunk += bytes;
  pools.chunkLeft -= bytes;
  return object;
#endif
}

void freeSmallObject(void* object, std::size_t size) noexcept {
#ifdef ZUM_SMALL_OBJECTS_PASS_THROUGH
  ::operator delete(object, size);
#else
  if (!object) return;
  if (size == 0 || size > kLargest) {
    ::operator delete(object, size);
    return;
  }
  const std::size_t sizeClass = classOf(size);
  pools.free[sizeClass] = new (object) FreeObject{pools.free[sizeClass]};
#endif
}

}  // namespace zum
