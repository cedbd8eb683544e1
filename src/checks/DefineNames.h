// The identifier and the unqualified name of defines, as texts with their
// hashes, for the walks over every symbol of a run.
//
// Splitting a qualified name costs far more than finding the split again,
// and the defines of one line of a header share its qualified name in
// every source that includes the header, so the split of each name of a
// header is kept in a small direct-mapped cache keyed by the interned name.
// The names of a source's own file mostly come once; they are split each
// time and kept out of the cache, so as not to push out the headers'.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "util/Prefetch.h"

namespace zum {

// The hash the names are kept with.
std::uint32_t nameHash(std::string_view text) noexcept;

// A text with its hash.
struct HashedName {
  std::string_view text;
  std::uint32_t hash;
};

// Turns away, by the last two bytes of a qualified name, the names whose
// identifier is surely none of a few identifiers, without taking the name
// apart. A name without list markers ends with its identifier, so two
// identifiers that are equal end with the same two bytes; any other name
// is let through.
class IdentifierEndFilter {
 public:
  void add(std::string_view identifier) {
    if (identifier.size() < 2)
      passAll_ = true;
    else
      ends_.set(endOf(identifier));
  }
  // False only when the identifier of `qualifiedName` is none of those
  // added.
  bool mayMatch(std::string_view qualifiedName) const noexcept {
    if (passAll_ || qualifiedName.size() < 2 || ends_.test(endOf(qualifiedName))) return true;
    return hasListMarkers(qualifiedName);
  }

 private:
  static std::size_t endOf(std::string_view text) noexcept {
    return static_cast<unsigned char>(text[text.size() - 2]) * 256u + static_cast<unsigned char>(text.back());
  }
  // Whether the text holds a byte from 0x80 up, as every list marker is.
  static bool hasListMarkers(std::string_view text) noexcept;

  std::bitset<std::size_t(1) << 16> ends_;
  bool passAll_ = false;
};

class DefineNameCache {
 public:
  DefineNameCache() : sets_(std::size_t(1) << kSetBits) {}

  // Asks the memory for the cache line `define`'s name will be looked up
  // in, and for the name itself, some symbols before they are visited.
  void prefetch(PI_DefineHandle define) const {
    const char* name = PI_getDefineQualName(define);
    zum::prefetch(&sets_[setOf(name)]);
    zum::prefetch(name);
  }

  // As PI_getDefineIdentifier gives it.
  HashedName identifier(PI_DefineHandle define) {
    const Split& split = splitOf(define);
    return {std::string_view(split.name + split.offset, split.identifierSize), split.identifierHash};
  }
  // As PI_getDefineUnqualName gives it: a function's keeps its parameter list.
  HashedName unqualName(PI_DefineHandle define) {
    const Split& split = splitOf(define);
    if (!PI_isDefineFunction(define))
      return {std::string_view(split.name + split.offset, split.identifierSize), split.identifierHash};
    return {std::string_view(split.name + split.offset, split.componentSize), split.componentHash};
  }

 private:
  // The last component is the name from `offset` on; the identifier is its
  // first `identifierSize` bytes.
  struct Split {
    const char* name = nullptr;  // the interned qualified name
    std::uint32_t offset = 0;
    std::uint32_t componentSize = 0;
    std::uint32_t identifierSize = 0;
    std::uint32_t componentHash = 0;
    std::uint32_t identifierHash = 0;
  };

  // Each name has a set of two slots in one cache line; a new name takes
  // the first, the one there moves to the second.
  const Split& splitOf(PI_DefineHandle define) {
    const char* name = PI_getDefineQualName(define);
    Split* set = sets_[setOf(name)].slots;
    if (set[0].name == name) return set[0];
    if (set[1].name == name) return set[1];
    return splitOnMiss(define, name, set);
  }
  // Kept out of line, so that the walk over every symbol inlines only the
  // hits.
  const Split& splitOnMiss(PI_DefineHandle define, const char* name, Split* set);
  static void fill(Split& slot, PI_DefineHandle define, const char* name);
  static std::size_t setOf(const char* name) noexcept {
    const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(name));
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kSetBits));
  }

  struct alignas(64) Set {
    Split slots[2];
  };
  static constexpr unsigned kSetBits = 13;
  std::vector<Set> sets_;
  Split uncached_;  // the last name of a source's own file
};

}  // namespace zum
