#include "util/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace zum {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Blocks taken from the heap before regions are mapped.
constexpr std::size_t kHeapBlocks = 8;

}  // namespace

LargeBlocks::~LargeBlocks() {
  for (const Region& region : regions_) {
    if (region.mapped)
      ::munmap(region.base, region.bytes);
    else
      std::free(region.base);
  }
}

void LargeBlocks::addRegion() {
  if (blocksHanded_ < kHeapBlocks || blockBytes_ > kHugePage) {
    void* block = std::aligned_alloc(16, blockBytes_);
    if (!block) throw std::bad_alloc();
    regions_.push_back(Region{block, blockBytes_, false});
    next_ = static_cast<char*>(block);
    blocksLeft_ = 1;
    return;
  }
  // One huge page's worth, aligned to it so the kernel can back it with one.
  const std::size_t mapBytes = 2 * kHugePage;
  void* mapped = ::mmap(nullptr, mapBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  char* base = static_cast<char*>(mapped);
  char* aligned = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(base) + kHugePage - 1) & ~(kHugePage - 1));
  // Give back what lies outside the aligned huge page.
  if (aligned > base) ::munmap(base, static_cast<std::size_t>(aligned - base));
  char* end = aligned + kHugePage;
  if (base + mapBytes > end) ::munmap(end, static_cast<std::size_t>(base + mapBytes - end));
  ::madvise(aligned, kHugePage, MADV_HUGEPAGE);
  regions_.push_back(Region{aligned, kHugePage, true});
  next_ = aligned;
  blocksLeft_ = kHugePage / blockBytes_;
}

void* allocateTable(std::size_t bytes) {
  static_assert(alignof(std::max_align_t) <= 16);
  if (bytes < kHugePage) {
    void* table = std::malloc(bytes ? bytes : 1);
    if (!table) throw std::bad_alloc();
    return table;
  }
  void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  ::madvise(mapped, bytes, MADV_HUGEPAGE);
  return mapped;
}

void freeTable(void* table, std::size_t bytes) noexcept {
  if (!table) return;
  if (bytes < kHugePage)
    std::free(table);
  else
    ::munmap(table, bytes);
}

void* LargeBlocks::allocate() {
  if (blocksLeft_ == 0) addRegion();
  void* block = next_;
  next_ += blockBytes_;
  --blocksLeft_;
  ++blocksHanded_;
  return block;
}

}  // namespace zum
