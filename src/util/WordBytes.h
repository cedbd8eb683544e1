// Eight bytes of a text at a time: the scans over long names that look for
// a few kinds of byte test a word per step instead of a byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zum::word_bytes {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
// The high bit of every byte: set in a word's byte from 0x80 up.
constexpr std::uint64_t kHigh = 0x8080808080808080ull;

// The eight bytes of `text` from `at`, which must hold eight more.
inline std::uint64_t load(std::string_view text, std::size_t at) noexcept {
  std::uint64_t word;
  std::memcpy(&word, text.data() + at, 8);
  return word;
}

// The high bit of each byte of `word` equal to `byte`, exact up to the
// first such byte (a borrow may mark bytes above it).
constexpr std::uint64_t bytesEqual(std::uint64_t word, unsigned char byte) noexcept {
  const std::uint64_t x = word ^ (kOnes * byte);
  return (x - kOnes) & ~x & kHigh;
}

}  // namespace zum::word_bytes
