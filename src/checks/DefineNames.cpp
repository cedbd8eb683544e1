#include "checks/DefineNames.h"

#include <bit>
#include <cstring>

#include "anlsrslt/include/P_ModelInterface.h"
#include "options/RunSettings.h"
#include "util/WordBytes.h"

namespace zum {

namespace {

// The last eight bytes of a text, or all of a shorter one, read without a
// call: a tail that overlaps the words before it, or two overlapping
// halves, or three bytes.
std::uint64_t lastBytes(std::string_view text) noexcept {
  const std::size_t size = text.size();
  if (size >= 8) return zum::word_bytes::load(text, size - 8);
  const char* bytes = text.data();
  if (size >= 4) {
    std::uint32_t first;
    std::uint32_t last;
    std::memcpy(&first, bytes, 4);
    std::memcpy(&last, bytes + size - 4, 4);
    return (std::uint64_t(first) << 32) | last;
  }
  return std::uint64_t(static_cast<unsigned char>(bytes[0])) << 16 |
         std::uint64_t(static_cast<unsigned char>(bytes[size / 2])) << 8 | static_cast<unsigned char>(bytes[size - 1]);
}

}  // namespace

// Eight bytes at a time: the names are short, and the hash is only used
// within the run (grouping names, a filter of typedef names), so it need
// not be the library's.
std::uint32_t nameHash(std::string_view text) noexcept {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const auto mix = [](std::uint64_t hash, std::uint64_t word) { return std::rotl((hash ^ word) * kMultiplier, 29); };
  std::uint64_t hash = text.size() * kMultiplier;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) hash = mix(hash, zum::word_bytes::load(text, i));
  if (i < text.size()) hash = mix(hash, lastBytes(text));
  hash ^= hash >> 32;
  return static_cast<std::uint32_t>(hash * kMultiplier >> 32);
}

bool IdentifierEndFilter::hasListMarkers(std::string_view text) noexcept {
  using zum::word_bytes::kHigh;
  const auto wordAt = [&text](std::size_t at) { return zum::word_bytes::load(text, at); };
  if (text.size() < 8) {
    for (char c : text)
      if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
  }
  // Whole words, the last one overlapping the one before.
  std::uint64_t bits = wordAt(text.size() - 8);
  for (std::size_t i = 0; i + 8 < text.size(); i += 8) bits |= wordAt(i);
  return (bits & kHigh) != 0;
}

DefineNameCache::DefineNameCache() : positions_(C_readCachesOn()) {}

const DefineNameCache::Split* DefineNameCache::keptSplit(PI_DefineHandle define) {
  const std::uint32_t position = positions_.get(P_getDefineQualIdentifier(define).pointer());
  if (!position) return nullptr;
  if constexpr (kCheckMemos) checkKept(splits_[position - 1], define);
  return &splits_[position - 1];
}

HashedName DefineNameCache::identifierOnce(PI_DefineHandle define) {
  if (const Split* split = keptSplit(define)) return identifierIn(*split);
  const std::string_view identifier = P_getDefineNameTexts(define).identifier;
  return {identifier, nameHash(identifier)};
}

HashedName DefineNameCache::unqualNameOnce(PI_DefineHandle define) {
  if (const Split* split = keptSplit(define)) return unqualNameIn(*split, define);
  const P_NameTexts texts = P_getDefineNameTexts(define);
  const std::string_view name = P_getDefineCodes(define).isFunction() ? texts.component : texts.identifier;
  return {name, nameHash(name)};
}

const DefineNameCache::Split& DefineNameCache::splitOnMiss(PI_DefineHandle define, const char* name) {
  if (!C_readCachesOn()) {
    fill(fresh_, define, name);
    return fresh_;
  }
  splits_.emplace_back();
  fill(splits_.back(), define, name);
  positions_.set(name, static_cast<std::uint32_t>(splits_.size()));
  return splits_.back();
}

void DefineNameCache::fill(Split& slot, PI_DefineHandle define, const char* name) {
  const P_NameTexts texts = P_getDefineNameTexts(define);
  slot.name = name;
  slot.offset = static_cast<std::uint32_t>(texts.component.data() - name);
  slot.componentSize = static_cast<std::uint32_t>(texts.component.size());
  slot.identifierSize = static_cast<std::uint32_t>(texts.identifier.size());
  slot.identifierHash = nameHash(texts.identifier);
  slot.componentHash = slot.componentSize == slot.identifierSize ? slot.identifierHash : nameHash(texts.component);
}

void DefineNameCache::checkKept(const Split& kept, PI_DefineHandle define) {
  Split fresh;
  fill(fresh, define, P_getDefineQualIdentifier(define).pointer());
  checkMemo(fresh.name == kept.name && fresh.offset == kept.offset && fresh.componentSize == kept.componentSize &&
                fresh.identifierSize == kept.identifierSize,
            "DefineNameCache");
}

}  // namespace zum
