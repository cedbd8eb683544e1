// A number kept for each interned text, found by the text's serial number
// without hashing it.
//
// The walks over the millions of symbols of a run meet the same qualified
// names again and again (a header's names come back from every source
// that includes it): an answer worked out once per name and kept here is
// found again in a few instructions. The serials are dense, so the table
// is an array of as many numbers as texts were interned.
#pragma once

#include <cstdint>
#include <vector>

#include "util/LargeBlocks.h"
#include "util/StringStore.h"

namespace zum {

class InternedNumbers {
 public:
  // `on` false: nothing is kept, every question is worked out afresh.
  explicit InternedNumbers(bool on) : on_(on) {}

  // The number kept for `interned` (a pointer a store handed out), 0 when
  // none is.
  std::uint32_t get(const char* interned) const noexcept {
    const std::uint32_t serial = intern::header(interned).serial;
    return serial < numbers_.size() ? numbers_[serial] : 0;
  }
  // The numbers as they stand, for a loop over many names that keeps the
  // table's bounds in registers; any set() may move them.
  class View {
   public:
    std::uint32_t get(const char* interned) const noexcept {
      const std::uint32_t serial = intern::header(interned).serial;
      return serial < size_ ? numbers_[serial] : 0;
    }

   private:
    friend class InternedNumbers;
    View(const std::uint32_t* numbers, std::size_t size) : numbers_(numbers), size_(size) {}
    const std::uint32_t* numbers_;
    std::size_t size_;
  };
  View view() const noexcept { return View(numbers_.data(), numbers_.size()); }

  void set(const char* interned, std::uint32_t number) {
    if (!on_) return;
    const std::uint32_t serial = intern::header(interned).serial;
    if (serial >= numbers_.size()) numbers_.resize(serial + serial / 2 + 1024);
    numbers_[serial] = number;
  }

 private:
  bool on_;
  LargeVector<std::uint32_t> numbers_;
};

}  // namespace zum
