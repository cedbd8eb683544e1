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
//
// A header's lines also come back in the same order, so each entry keeps
// the entry used after it last time: the next line is tried against that
// one first, without hashing, and it is fetched from memory while the
// caller still works on the line before.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/StringStore.h"

namespace zum {

// What the cache fetches ahead for a value: `value(v)` what it points to,
// two lines ahead; `through(v)`, one line ahead, what that in turn names.
struct FetchPointee {
  template <class Value>
  static void value(const Value& value) noexcept {
    if constexpr (std::is_pointer_v<Value>) __builtin_prefetch(value);
  }
  template <class Value>
  static void through(const Value&) noexcept {}
};

// `kMaxText` bounds the texts kept and `kSetBits` sets the number of sets
// (two entries each); the defaults suit whole record lines.
template <class Value, std::size_t kMaxText = 232, unsigned kSetBits = 14, class Ahead = FetchPointee>
class LineCache {
 public:
  // Longer lines are decoded every time: they are rare, and keeping the
  // text inside the entry saves a dependent load on every hit.
  static constexpr std::size_t kMaxLine = kMaxText;

  LineCache() : sets_(kSets) {}

  static std::uint64_t hashOf(std::string_view line) noexcept { return SimpleStringCompare::hash(line); }

  // The value remembered for `line` if it is the line that followed the
  // line used last when that was used before, or null.
  const Value* findFollowing(std::string_view line) noexcept {
    Entry* next = last_ ? last_->next : nullptr;
    if (!next || next->size != line.size() || std::memcmp(next->text, line.data(), line.size()) != 0) return nullptr;
    follow(next);
    return &next->value;
  }

  // The value remembered for `line` (whose hashOf is `hash`), or null.
  const Value* find(std::string_view line, std::uint64_t hash) noexcept {
    Set& set = sets_[setOf(hash)];
    if (!set.holds(0, line, hash)) {
      if (!set.holds(1, line, hash)) return nullptr;
      set.swapWays();
    }
    follow(set.ways[0]);
    return &set.ways[0]->value;
  }

  void remember(std::string_view line, std::uint64_t hash, const Value& value) {
    if (line.size() > kMaxLine) return;
    Set& set = sets_[setOf(hash)];
    set.swapWays();  // the older line's place comes first
    Entry*& way = set.ways[0];
    if (!way) way = entries_.make();
    set.hashes[0] = hash;
    way->size = static_cast<std::uint32_t>(line.size());
    std::memcpy(way->text, line.data(), line.size());
    way->value = value;
    way->next = nullptr;
    follow(way);
  }

 private:
  static constexpr std::size_t kSets = std::size_t(1) << kSetBits;
  static std::size_t setOf(std::uint64_t hash) noexcept { return static_cast<std::size_t>(hash >> 40) & (kSets - 1); }

  struct Entry {
    std::uint32_t size = 0;
    Value value{};
    // Entries are reused but never freed, so this stays a valid guess.
    Entry* next = nullptr;
    char text[kMaxLine];
  };
  // The hashes sit beside the pointers, so a line that is not cached costs
  // one load of its set.
  struct Set {
    std::uint64_t hashes[2] = {};
    Entry* ways[2] = {};

    bool holds(int way, std::string_view line, std::uint64_t hash) const noexcept {
      const Entry* entry = ways[way];
      return entry && hashes[way] == hash && entry->size == line.size() &&
             std::memcmp(entry->text, line.data(), line.size()) == 0;
    }
    void swapWays() noexcept {
      std::swap(hashes[0], hashes[1]);
      std::swap(ways[0], ways[1]);
    }
  };

  // Memory is fetched in three stages along the chain of next entries: the
  // entry three lines ahead, the value two lines ahead, and what the value
  // of the next line names. Each stage reads only what an earlier line
  // fetched.
  void follow(Entry* entry) noexcept {
    if (last_) last_->next = entry;
    last_ = entry;
    const Entry* next = entry->next;
    if (!next) return;
    if (const Entry* second = next->next) {
      if (const Entry* third = second->next) {
        for (std::size_t offset = 0; offset < sizeof(Entry); offset += 64)
          __builtin_prefetch(reinterpret_cast<const char*>(third) + offset);
      }
      Ahead::value(second->value);
    }
    Ahead::through(next->value);
  }

  std::vector<Set> sets_;
  // Entries sit together in large pages: the next line's entry is fetched
  // ahead, and a fetch that misses the address translation costs as much
  // as the miss it saves.
  ObjectPool<Entry, 64> entries_;
  Entry* last_ = nullptr;
};

}  // namespace zum
