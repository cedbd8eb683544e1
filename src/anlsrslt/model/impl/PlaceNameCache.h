// Interned names remembered by the place of the record that named them.
//
// A header's declarations repeat in every source that includes it, at the
// same file and line with the same name. Finding the name again by its
// place costs one compare with the text interned last time, where the
// interning store costs a hash of the name and a probe into a table far too
// big for the cache. Only names that marking leaves as they are remembered:
// for them the raw field and the interned text are the same bytes, so a
// byte-wise equal field is that very name.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "util/StringStore.h"

namespace zum {

class PlaceNameCache {
 public:
  // The interned name remembered for this place and raw field, or null.
  const char* find(const char* file, std::int32_t line, std::string_view raw) const noexcept {
    const Entry& entry = entries_[slotOf(file, line, raw)];
    if (entry.file != file || entry.line != line || !entry.name) return nullptr;
    if (intern::header(entry.name).size != raw.size() || std::memcmp(entry.name, raw.data(), raw.size()) != 0)
      return nullptr;
    return entry.name;
  }

  // Remembers `name`, the interned form of `raw`, when marking did not
  // change it.
  void remember(const char* file, std::int32_t line, std::string_view raw, const char* name) noexcept {
    if (intern::header(name).size != raw.size() || std::memcmp(name, raw.data(), raw.size()) != 0) return;
    entries_[slotOf(file, line, raw)] = Entry{file, name, line};
  }

 private:
  static constexpr std::size_t kEntries = 1 << 14;

  struct Entry {
    const char* file = nullptr;
    const char* name = nullptr;
    std::int32_t line = 0;
  };

  // The parameters of one prototype share a line: the name's length and
  // last byte tell most of them apart.
  static std::size_t slotOf(const char* file, std::int32_t line, std::string_view raw) noexcept {
    std::uint64_t key = reinterpret_cast<std::uintptr_t>(file) ^ (std::uint64_t(std::uint32_t(line)) << 20) ^
                        (std::uint64_t(raw.size()) << 8) ^ (raw.empty() ? 0u : std::uint8_t(raw.back()));
    key *= 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(key >> 50) & (kEntries - 1);
  }

  std::array<Entry, kEntries> entries_{};
};

}  // namespace zum
