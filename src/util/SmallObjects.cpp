#include "util/SmallObjects.h"

namespace zum::small_objects {

constinit Pools pools{};

void* allocateSlow(std::size_t size) {
#ifndef ZUM_SMALL_OBJECTS_PASS_THROUGH
  if (isPooled(size)) {
    constexpr std::size_t kChunkBytes = 64 * 1024;
    const std::size_t bytes = (classOf(size) + 1) * kGranule;
    if (pools.chunkLeft < bytes) {
      pools.chunk = static_cast<char*>(::operator new(kChunkBytes));
      pools.chunkLeft = kChunkBytes;
    }
    void* object = pools.chunk;
    pools.chunk += bytes;
    pools.chunkLeft -= bytes;
    return object;
  }
#endif
  return ::operator new(size);
}

}  // namespace zum::small_objects
