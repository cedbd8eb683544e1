#include "util/LargeBlocks.h"

#include <malloc.h>
#include <sys/mman.h>

#include <climits>

#include <cstdlib>
#include <new>

namespace zum {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Bytes a store takes from the heap before it takes blocks from huge
// pages, so that a store that stays small costs no huge page.
constexpr std::size_t kHeapBytes = std::size_t(256) << 10;

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

// One huge page shared by the stores that took blocks from it. A huge page
// is committed whole when it is first touched, so the stores fill the
// current one together: the memory touched but unused is one partly
// filled page for the process, not one per store.
struct LargeBlocks::Region {
  char* pages = nullptr;
  std::size_t used = 0;
  std::size_t holders = 0;  // stores holding blocks in it, plus the source while it is current
};

namespace {

class SharedRegions {
 public:
  // A block of `bytes` (at most a huge page), and the region it lies in.
  std::pair<void*, LargeBlocks::Region*> take(std::size_t bytes) {
    bytes = (bytes + 63) & ~std::size_t(63);
    if (!current_ || current_->used + bytes > kHugePage) {
      if (current_) release(current_);
      current_ = new LargeBlocks::Region;
      current_->pages = static_cast<char*>(allocateHugePages(kHugePage));
      current_->holders = 1;
    }
    void* block = current_->pages + current_->used;
    current_->used += bytes;
    return {block, current_};
  }

  static void hold(LargeBlocks::Region* region) noexcept { ++region->holders; }
  static void release(LargeBlocks::Region* region) noexcept {
    if (--region->holders > 0) return;
    std::free(region->pages);
    delete region;
  }

 private:
  LargeBlocks::Region* current_ = nullptr;
};

// The process's one source of huge pages, like the heap it stands beside;
// a region is freed when the last store holding blocks in it is destroyed.
SharedRegions& sharedRegions() {
  static SharedRegions regions;
  return regions;
}

}  // namespace

LargeBlocks::~LargeBlocks() {
  for (void* block : heapBlocks_) std::free(block);
  for (Region* region : regions_) SharedRegions::release(region);
}

void* LargeBlocks::allocate() {
  void* block = nullptr;
  if (bytesHanded_ < kHeapBytes || blockBytes_ > kHugePage) {
    block = std::aligned_alloc(16, blockBytes_);
    if (!block) throw std::bad_alloc();
    heapBlocks_.push_back(block);
  } else {
    auto [taken, region] = sharedRegions().take(blockBytes_);
    if (regions_.empty() || regions_.back() != region) {
      SharedRegions::hold(region);
      regions_.push_back(region);
    }
    block = taken;
  }
  bytesHanded_ += blockBytes_;
  return block;
}

void* allocateTable(std::size_t bytes) {
  static_assert(alignof(std::max_align_t) <= 16);
  if (bytes >= kHugePage) return allocateHugePages(bytes);
  void* table = std::malloc(bytes ? bytes : 1);
  if (!table) throw std::bad_alloc();
  return table;
}

void freeTable(void* table, std::size_t) noexcept { std::free(table); }

void keepFreedMemoryForTheRun() noexcept {
  // The largest threshold the library takes; blocks above it are rare
  // enough that their own mappings cost little.
  ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
  ::mallopt(M_TRIM_THRESHOLD, INT_MAX);
}

}  // namespace zum
