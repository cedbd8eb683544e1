#include "anlsrslt/model/FieldScanner.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zum {

namespace {

constexpr std::int64_t kMax = std::numeric_limits<int>::max();
constexpr std::int64_t kMin = std::numeric_limits<int>::min();

bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace

bool parseInt(std::string_view text, int& value) noexcept {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    // Stops growing long before int64 could overflow.
    if (magnitude > kMax + 1) return false;
  }
  std::int64_t result = negative ? -magnitude : magnitude;
  if (result > kMax || result < kMin) return false;
  value = static_cast<int>(result);
  return true;
}

int leadingInt(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t magnitude = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (magnitude <= kMax + 1) magnitude = magnitude * 10 + (text[i] - '0');
  }
  std::int64_t result = negative ? -magnitude : magnitude;
  if (result > kMax) return static_cast<int>(kMax);
  if (result < kMin) return static_cast<int>(kMin);
  return static_cast<int>(result);
}

void FieldScanner::skipBlanks() noexcept {
  std::size_t i = 0;
  while (i < rest_.size() && isBlank(rest_[i])) ++i;
  rest_.remove_prefix(i);
}

// The length of the run of non-blank characters that starts `text`. Every
// blank is a control character or the space, so eight bytes at a time are
// tested for a byte below 0x21 first; only such a byte is looked up.
std::size_t nonBlankRun(std::string_view text) noexcept {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  std::size_t i = 0;
  while (i + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    // High bit set in the bytes below 0x21 (and possibly in bytes after
    // the first such one, which the exact test below never reaches).
    std::uint64_t low = (word - kOnes * 0x21) & ~word & kHigh;
    if (low == 0) {
      i += 8;
      continue;
    }
    const std::size_t end = i + 8;
    for (i += static_cast<std::size_t>(std::countr_zero(low)) / 8; i < end; ++i)
      if (isBlank(text[i])) return i;
  }
  while (i < text.size() && !isBlank(text[i])) ++i;
  return i;
}

std::string_view FieldScanner::token() noexcept {
  skipBlanks();
  const std::size_t i = nonBlankRun(rest_);
  std::string_view field = rest_.substr(0, i);
  rest_.remove_prefix(i);
  return field;
}

void FieldScanner::skipTag() noexcept {
  std::size_t close = rest_.find('>');
  if (close == std::string_view::npos) {
    token();
  } else {
    rest_.remove_prefix(close + 1);
  }
}

bool FieldScanner::character(char& c) noexcept {
  skipBlanks();
  if (rest_.empty()) return false;
  c = rest_.front();
  rest_.remove_prefix(1);
  return true;
}

std::string_view quotedPrefix(std::string_view rest, char quote) noexcept {
  for (std::size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] == '\\') {
      ++i;  // the escaped character, whatever it is
      continue;
    }
    if (rest[i] == quote) return rest.substr(0, i + 1);
  }
  return rest;
}

std::string_view FieldScanner::fileName() noexcept {
  skipBlanks();
  if (rest_.empty() || rest_.front() != '"') return token();
  std::string_view field = quotedPrefix(rest_, '"');
  rest_.remove_prefix(field.size());
  if (field.size() > 1 && field.back() == '"') field = field.substr(1, field.size() - 2);
  return field;
}

}  // namespace zum
