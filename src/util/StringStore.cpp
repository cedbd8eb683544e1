#include "util/StringStore.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t kMul1 = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kMul2 = 0xC2B2AE3D27D4EB4Full;

inline std::uint64_t mix(std::uint64_t h, std::uint64_t word) noexcept {
  h ^= word * kMul1;
  h = (h << 31) | (h >> 33);
  return h * kMul2;
}

inline std::uint64_t finish(std::uint64_t h) noexcept {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

// Lower-cases the ASCII capitals of eight bytes at once.
inline std::uint64_t foldWord(std::uint64_t w) noexcept {
  constexpr std::uint64_t ones = 0x0101010101010101ull;
  constexpr std::uint64_t high = 0x8080808080808080ull;
  std::uint64_t ascii = ~w & high;
  std::uint64_t geA = (w | high) - ones * 'A';          // high bit kept where byte >= 'A'
  std::uint64_t gtZ = (w | high) - ones * ('Z' + 1);    // high bit kept where byte > 'Z'
  std::uint64_t upper = geA & ~gtZ & ascii & high;
  return w | (upper >> 2);                              // 0x80 >> 2 == 0x20
}

inline unsigned char foldByte(unsigned char c) noexcept {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

template <bool kFold>
std::uint64_t hashBytes(std::string_view text) noexcept {
  const char* p = text.data();
  std::size_t n = text.size();
  std::uint64_t h = n * kMul2;
  while (n >= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    h = mix(h, kFold ? foldWord(w) : w);
    p += 8;
    n -= 8;
  }
  if (n > 0) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, n);
    h = mix(h, kFold ? foldWord(w) : w);
  }
  return finish(h);
}

}  // namespace

std::uint64_t SimpleStringCompare::hash(std::string_view text) noexcept { return hashBytes<false>(text); }

bool SimpleStringCompare::less(std::string_view a, std::string_view b) noexcept {
  // std::string_view compares through char_traits<char>, which orders as
  // unsigned bytes.
  return a < b;
}

std::uint64_t FilenameStringCompare::hash(std::string_view text) noexcept { return hashBytes<true>(text); }

bool FilenameStringCompare::equal(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldByte(static_cast<unsigned char>(a[i])) != foldByte(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool FilenameStringCompare::less(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return a.size() < b.size();
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = foldByte(static_cast<unsigned char>(a[i]));
    unsigned char y = foldByte(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return false;
}

namespace zum::intern {

namespace {
constexpr std::size_t kInitialSlots = 1024;
}  // namespace

Table::Table(Hash hash, Equal equal) : hash_(hash), equal_(equal), slots_(kInitialSlots, Slot{0, nullptr}) {}

const char* Table::find(std::string_view text) const {
  const std::uint64_t h = hash_(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = h & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.text) return nullptr;
    if (slot.hash == h && equal_(std::string_view(slot.text, header(slot.text).size), text)) return slot.text;
  }
}

const char* Table::intern(std::string_view text) {
  const std::uint64_t h = hash_(text);
  std::size_t mask = slots_.size() - 1;
  std::size_t i = h & mask;
  for (;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.text) break;
    if (slot.hash == h && equal_(std::string_view(slot.text, header(slot.text).size), text)) return slot.text;
  }
  const char* stored = store(text);
  slots_[i] = Slot{h, stored};
  if (++count_ * 2 > slots_.size()) grow();
  return stored;
}

const char* Table::store(std::string_view text) {
  const std::size_t need = (sizeof(EntryHeader) + text.size() + 1 + 7) & ~std::size_t(7);
  if (need > freeBytes_) {
    // Not zero-filled: every stored byte is written before it is read.
    if (need > kBlockBytes) {
      oversize_.push_back(std::make_unique_for_overwrite<char[]>(need));
      free_ = oversize_.back().get();
      freeBytes_ = need;
    } else {
      free_ = static_cast<char*>(blocks_.allocate());
      freeBytes_ = kBlockBytes;
    }
  }
  char* entry = free_;
  free_ += need;
  freeBytes_ -= need;
  bytes_ += need;
  EntryHeader head{static_cast<std::uint32_t>(count_ + 1), static_cast<std::uint32_t>(text.size())};
  std::memcpy(entry, &head, sizeof head);
  char* stored = entry + sizeof(EntryHeader);
  if (!text.empty()) std::memcpy(stored, text.data(), text.size());
  stored[text.size()] = '\0';
  return stored;
}

void Table::grow() {
  std::vector<Slot, TableAllocator<Slot>> bigger(slots_.size() * 2, Slot{0, nullptr});
  const std::size_t mask = bigger.size() - 1;
  for (const Slot& slot : slots_) {
    if (!slot.text) continue;
    std::size_t i = slot.hash & mask;
    while (bigger[i].text) i = (i + 1) & mask;
    bigger[i] = slot;
  }
  slots_.swap(bigger);
}

}  // namespace zum::intern
