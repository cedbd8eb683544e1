// Decoded records remembered by the exact bytes of their line.
//
// The declarations of a header repeat, byte for byte, in the metric file of
// every source that includes it. Decoding such a line again (splitting the
// fields, marking and interning the name and the type, decoding the codes)
// costs several times what hashing and comparing its bytes does, so the
// decoded value is kept under the line's text.
//
// The cache is direct-mapped and small enough for the processor's caches
// to hold the slots a source uses; a line that meets another in its slot
// takes the slot over. Entries are made on first use, so a small project
// pays for few of them.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "util/StringStore.h"

namespace zum {

template <class Value>
class LineCache {
 public:
  // Longer lines are decoded every time: they are rare, and keeping the
  // text inside the entry saves a dependent load on every hit.
  static constexpr std::size_t kMaxLine = 240;

  LineCache() : slots_(kSlots) {}

  static std::uint64_t hashOf(std::string_view line) noexcept { return SimpleStringCompare::hash(line); }

  // The value remembered for `line` (whose hashOf is `hash`), or null.
  const Value* find(std::string_view line, std::uint64_t hash) const noexcept {
    const Entry* entry = slots_[slotOf(hash)].get();
    if (!entry || entry->hash != hash || entry->size != line.size() ||
        std::memcmp(entry->text, line.data(), line.size()) != 0)
      return nullptr;
    return &entry->value;
  }

  void remember(std::string_view line, std::uint64_t hash, const Value& value) {
    if (line.size() > kMaxLine) return;
    std::unique_ptr<Entry>& slot = slots_[slotOf(hash)];
    if (!slot) slot = std::make_unique<Entry>();
    slot->hash = hash;
    slot->size = static_cast<std::uint32_t>(line.size());
    std::memcpy(slot->text, line.data(), line.size());
    slot->value = value;
  }

 private:
  static constexpr std::size_t kSlots = std::size_t(1) << 15;
  static std::size_t slotOf(std::uint64_t hash) noexcept { return static_cast<std::size_t>(hash >> 40) & (kSlots - 1); }

  struct Entry {
    std::uint64_t hash = 0;
    std::uint32_t size = 0;
    Value value{};
    char text[kMaxLine];
  };
  std::vector<std::unique_ptr<Entry>> slots_;
};

}  // namespace zum
