// Decoded records remembered by the exact bytes of their line.
//
// The declarations of a header repeat, byte for byte, in the metric file of
// every source that includes it. Decoding such a line again (splitting the
// fields, marking and interning the name and the type, decoding the codes)
// costs several times what hashing and comparing its bytes does, so the
// decoded value is kept under the line's text.
//
// The cache holds two lines per set of its slots, the more recently used
// one first, and is small enough for the processor's caches to hold the
// sets a source uses; a new line takes the place of the older line of its
// set. Entries are made on first use, so a small project pays for few.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "util/StringStore.h"

namespace zum {

// `kMaxText` bounds the texts kept and `kSetBits` sets the number of sets
// (two entries each); the defaults suit whole record lines.
template <class Value, std::size_t kMaxText = 240, unsigned kSetBits = 14>
class LineCache {
 public:
  // Longer lines are decoded every time: they are rare, and keeping the
  // text inside the entry saves a dependent load on every hit.
  static constexpr std::size_t kMaxLine = kMaxText;

  LineCache() : sets_(kSets) {}

  static std::uint64_t hashOf(std::string_view line) noexcept { return SimpleStringCompare::hash(line); }

  // The value remembered for `line` (whose hashOf is `hash`), or null.
  const Value* find(std::string_view line, std::uint64_t hash) noexcept {
    Set& set = sets_[setOf(hash)];
    if (holds(set.ways[0].get(), line, hash)) return &set.ways[0]->value;
    if (!holds(set.ways[1].get(), line, hash)) return nullptr;
    std::swap(set.ways[0], set.ways[1]);
    return &set.ways[0]->value;
  }

  void remember(std::string_view line, std::uint64_t hash, const Value& value) {
    if (line.size() > kMaxLine) return;
    Set& set = sets_[setOf(hash)];
    std::swap(set.ways[0], set.ways[1]);  // the older line's place comes first
    std::unique_ptr<Entry>& way = set.ways[0];
    if (!way) way = std::make_unique<Entry>();
    way->hash = hash;
    way->size = static_cast<std::uint32_t>(line.size());
    std::memcpy(way->text, line.data(), line.size());
    way->value = value;
  }

 private:
  static constexpr std::size_t kSets = std::size_t(1) << kSetBits;
  static std::size_t setOf(std::uint64_t hash) noexcept { return static_cast<std::size_t>(hash >> 40) & (kSets - 1); }

  struct Entry {
    std::uint64_t hash = 0;
    std::uint32_t size = 0;
    Value value{};
    char text[kMaxLine];
  };
  struct Set {
    std::unique_ptr<Entry> ways[2];
  };
  static bool holds(const Entry* entry, std::string_view line, std::uint64_t hash) noexcept {
    return entry && entry->hash == hash && entry->size == line.size() &&
           std::memcmp(entry->text, line.data(), line.size()) == 0;
  }

  std::vector<Set> sets_;
};

}  // namespace zum
