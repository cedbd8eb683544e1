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
// one first, without hashing. Following a chain fetches one link at a
// time, so an entry also keeps what the lines after it needed last time
// (the entry four lines on, the value two lines on, and what the next
// value leads to), and those are fetched while the caller still works on
// the lines before.
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

// How a cache follows the order of its lines. `kChained` keeps the chain
// of next entries (and findFollowing) at all; then a pointer value is
// fetched two lines ahead, and `hint(v)` of the next value one line ahead.
struct ChainWithoutHint {
  static constexpr bool kChained = true;
  template <class Value>
  static const void* hint(const Value&) noexcept {
    return nullptr;
  }
};
// For lines that come in no useful order: found by hash alone.
struct Unchained : ChainWithoutHint {
  static constexpr bool kChained = false;
};

// `kMaxText` bounds the texts kept and `kSetBits` sets the number of sets
// (two entries each); the defaults suit whole record lines.
template <class Value, std::size_t kMaxText = 272, unsigned kSetBits = 14, class Ahead = ChainWithoutHint>
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
    static_assert(Ahead::kChained, "an unchained cache keeps no order");
    const Entry* last = recent_[(followed_ + 3) % 4];
    Entry* next = last ? last->next : nullptr;
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
    if constexpr (Ahead::kChained) follow(set.ways[0]);
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
    way->fourthNext = nullptr;
    way->secondNextValue = Value{};
    way->nextHint = nullptr;
    if constexpr (Ahead::kChained) follow(way);
  }

 private:
  static constexpr std::size_t kSets = std::size_t(1) << kSetBits;
  static std::size_t setOf(std::uint64_t hash) noexcept { return static_cast<std::size_t>(hash >> 40) & (kSets - 1); }

  struct Entry {
    std::uint32_t size = 0;
    Value value{};
    // Guesses from the last time this line was used; entries are reused
    // but never freed, and a fetch of a stale address does no harm.
    Entry* next = nullptr;
    Entry* fourthNext = nullptr;
    Value secondNextValue{};
    const void* nextHint = nullptr;
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

  // Records `entry` as the line after the ones followed before it, and
  // fetches what the lines after it needed last time; every address comes
  // from `entry` itself, which the caller has just read.
  void follow(Entry* entry) noexcept {
    Entry*& fourBack = recent_[followed_ % 4];
    Entry* oneBack = recent_[(followed_ + 3) % 4];
    Entry* twoBack = recent_[(followed_ + 2) % 4];
    if (fourBack) fourBack->fourthNext = entry;
    if (twoBack) twoBack->secondNextValue = entry->value;
    if (oneBack) {
      oneBack->next = entry;
      oneBack->nextHint = Ahead::hint(entry->value);
    }
    fourBack = entry;
    ++followed_;

    if (const Entry* ahead = entry->fourthNext) {
      constexpr std::size_t kFetched = sizeof(Entry) < 192 ? sizeof(Entry) : 192;
      for (std::size_t offset = 0; offset < kFetched; offset += 64)
        __builtin_prefetch(reinterpret_cast<const char*>(ahead) + offset);
    }
    if constexpr (std::is_pointer_v<Value>) {
      if (entry->secondNextValue) __builtin_prefetch(entry->secondNextValue);
    }
    if (entry->nextHint) __builtin_prefetch(entry->nextHint);
  }

  std::vector<Set> sets_;
  // Entries sit together in large pages: the next line's entry is fetched
  // ahead, and a fetch that misses the address translation costs as much
  // as the miss it saves.
  ObjectPool<Entry, 64> entries_;
  // The last four entries followed, the latest at (followed_ + 3) % 4.
  Entry* recent_[4] = {};
  std::size_t followed_ = 0;
};

}  // namespace zum
