// The identifier and the unqualified name of defines, as texts with their
// hashes, for the walks over every symbol of a run.
//
// Splitting a qualified name costs far more than finding the split again,
// and the 1.8 million symbols of a 1,000-source project have only 146,000
// qualified names (the defines of one line of a header share its name in
// every source that includes the header), so for a visitor that asks of
// every symbol the split of each name is kept, found again by the interned
// name's serial number. A check that asks once per candidate or per name
// takes a kept split when such a visitor runs, and otherwise splits afresh:
// most of its names are asked once, and keeping them would only add memory
// traffic.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/PI_Interface.h"
#include "util/InternedNumbers.h"
#include "util/LargeBlocks.h"
#include "util/Memo.h"

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
  // With the read caches off, every name is split afresh.
  DefineNameCache();

  // As PI_getDefineIdentifier gives it.
  HashedName identifier(PI_DefineHandle define) { return identifierIn(splitOf(define)); }
  // As PI_getDefineUnqualName gives it: a function's keeps its parameter list.
  HashedName unqualName(PI_DefineHandle define) { return unqualNameIn(splitOf(define), define); }
  // The same for a check that asks once per name or per candidate: from
  // the split kept for another visitor, or else split afresh and not kept.
  HashedName identifierOnce(PI_DefineHandle define);
  HashedName unqualNameOnce(PI_DefineHandle define);

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

  static HashedName identifierIn(const Split& split) {
    return {std::string_view(split.name + split.offset, split.identifierSize), split.identifierHash};
  }
  static HashedName unqualNameIn(const Split& split, PI_DefineHandle define) {
    if (!P_getDefineCodes(define).isFunction()) return identifierIn(split);
    return {std::string_view(split.name + split.offset, split.componentSize), split.componentHash};
  }

  // Each name is split once: its split is found again by the name.
  const Split& splitOf(PI_DefineHandle define) {
    const char* name = P_getDefineQualIdentifier(define).pointer();
    if (const std::uint32_t position = positions_.get(name)) {
      if constexpr (kCheckMemos) checkKept(splits_[position - 1], define);
      return splits_[position - 1];
    }
    return splitOnMiss(define, name);
  }
  static void checkKept(const Split& kept, PI_DefineHandle define);
  const Split* keptSplit(PI_DefineHandle define);
  // Kept out of line, so that the walk over every symbol inlines only the
  // hits.
  const Split& splitOnMiss(PI_DefineHandle define, const char* name);
  static void fill(Split& slot, PI_DefineHandle define, const char* name);

  InternedNumbers positions_;  // of the names' splits in `splits_`, from 1
  LargeVector<Split> splits_;
  Split fresh_;  // the last name split with the caches off
};

}  // namespace zum
