// Memory for the model's big append-only stores, handed out in blocks.
//
// A large project's model is hundreds of megabytes of small objects that
// live until the run ends. Taking that memory from the kernel 4 KB page by
// page costs a page fault each (a good part of a run's time); this source
// takes it in 2 MB regions that the kernel may back with huge pages,
// shared by all stores so that only one of them is partly filled at a
// time. The first 256 KB of a store come from the ordinary heap, so a
// store that stays small costs no huge page.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace zum {

class LargeBlocks {
 public:
  // Blocks of `blockBytes` each (a multiple of 16).
  explicit LargeBlocks(std::size_t blockBytes) noexcept : blockBytes_(blockBytes) {}
  LargeBlocks(const LargeBlocks&) = delete;
  LargeBlocks& operator=(const LargeBlocks&) = delete;
  ~LargeBlocks();

  // A new uninitialised block, 16-byte aligned, valid until destruction.
  void* allocate();

  struct Region;

 private:
  std::size_t blockBytes_;
  std::size_t bytesHanded_ = 0;
  std::vector<void*> heapBlocks_;
  // The shared huge-page regions this store holds blocks in.
  std::vector<Region*> regions_;
};

// Keeps the memory a run frees in the process for its later requests.
// With the C library's defaults a block of more than a few hundred KB is a
// mapping of its own, given back when freed, and the top of the heap is
// given back as it shrinks: the tables that grow by doubling and those
// built and dropped at the end of a run would take their memory from the
// kernel again, page by page. Called once, before the run allocates.
void keepFreedMemoryForTheRun() noexcept;

// Memory for one large table (an index that is probed at random), taken
// so that the kernel may back it with huge pages: fewer page faults while it
// fills and fewer address translations missed while it is probed. Small
// tables come from the ordinary heap.
void* allocateTable(std::size_t bytes);
void freeTable(void* table, std::size_t bytes) noexcept;

template <class T>
struct TableAllocator {
  using value_type = T;
  TableAllocator() noexcept = default;
  template <class U>
  TableAllocator(const TableAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocateTable(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { freeTable(p, n * sizeof(T)); }
  friend bool operator==(const TableAllocator&, const TableAllocator&) noexcept { return true; }
};

// A vector of millions of entries (the tables the checks build at the end
// of a run): once it reaches a huge page it is backed by huge pages, which
// costs one page fault per 2 MB instead of one per 4 KB.
template <class T>
using LargeVector = std::vector<T, TableAllocator<T>>;

}  // namespace zum
