#include "util/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace zum {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Bytes taken from the heap before huge-page regions are used: a huge page
// is committed whole when it is first touched, so a small run keeps to
// the heap.
constexpr std::size_t kHeapBytes = 2 * kHugePage;

// Whole huge pages, aligned to them so that the kernel can back each with
// one. They come from the heap, not from a mapping of our own, so that a
// leak checker sees the pointers the model keeps in them.
void* allocateHugePages(std::size_t bytes) {
  const std::size_t rounded = (bytes + kHugePage - 1) & ~(kHugePage - 1);
  void* pages = std::aligned_alloc(kHugePage, rounded);
  if (!pages) throw std::bad_alloc();
  ::madvise(pages, rounded, MADV_HUGEPAGE);
  return pages;
}

}  // namespace

LargeBlocks::~LargeBlocks() {
  for (void* region : regions_) std::free(region);
}

void LargeBlocks::addRegion() {
  if (blocksHanded_ * blockBytes_ < kHeapBytes || blockBytes_ > kHugePage) {
    void* block = std::aligned_alloc(16, blockBytes_);
    if (!block) throw std::bad_alloc();
    regions_.push_back(block);
    next_ = static_cast<char*>(block);
    blocksLeft_ = 1;
    return;
  }
  regions_.push_back(allocateHugePages(kHugePage));
  next_ = static_cast<char*>(regions_.back());
  blocksLeft_ = kHugePage / blockBytes_;
}

void* allocateTable(std::size_t bytes) {
  static_assert(alignof(std::max_align_t) <= 16);
  if (bytes >= kHugePage) return allocateHugePages(bytes);
  void* table = std::malloc(bytes ? bytes : 1);
  if (!table) throw std::bad_alloc();
  return table;
}

void freeTable(void* table, std::size_t) noexcept { std::free(table); }

void* LargeBlocks::allocate() {
  if (blocksLeft_ == 0) addRegion();
  void* block = next_;
  next_ += blockBytes_;
  --blocksLeft_;
  ++blocksHanded_;
  return block;
}

}  // namespace zum
