// Reading the white-space separated fields of one record line.
//
// Everything is a view into the line: no field is copied. The rules are
// those of a stream read: a string field is the next maximal run of
// non-blank characters, a one-character field the next non-blank
// character (which may be glued to the field after it).
#pragma once

#include <string_view>

namespace zum {

namespace detail {
// One entry per byte value: every field boundary is a look-up.
struct BlankTable {
  bool blank[256] = {};
  constexpr BlankTable() {
    for (unsigned char c : {' ', '\t', '\n', '\r', '\v', '\f'}) blank[c] = true;
  }
};
inline constexpr BlankTable kBlanks;
}  // namespace detail

constexpr bool isBlank(char c) noexcept { return detail::kBlanks.blank[static_cast<unsigned char>(c)]; }

// Decimal integer with an optional sign, the whole text and nothing else.
// False (and `value` untouched) for an empty text, a stray character or a
// value outside the 32-bit range.
bool parseInt(std::string_view text, int& value) noexcept;

// The leading decimal number of `text` (optional blanks and sign first),
// clamped to the 32-bit range; 0 when there are no digits. For values
// stored as text, such as metric values.
int leadingInt(std::string_view text) noexcept;

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view line) noexcept : rest_(line) {}

  // Empty when the line has no further field.
  std::string_view token() noexcept;
  // False when the line has no further field.
  bool character(char& c) noexcept;
  // A number field; false when it is missing or not a number.
  bool integer(int& value) noexcept { return parseInt(token(), value); }
  // A file name that may be written in double quotes and then contain
  // blanks; the quotes are removed when both are there.
  std::string_view fileName() noexcept;

  void skipBlanks() noexcept;
  // Skips the record tag: everything up to the first ">" (the tag of a
  // dispatched line), or the first field when there is no ">".
  void skipTag() noexcept;
  bool atEnd() noexcept {
    skipBlanks();
    return rest_.empty();
  }
  // What has not been read yet.
  std::string_view rest() const noexcept { return rest_; }
  void advance(std::size_t n) noexcept { rest_.remove_prefix(n); }

 private:
  std::string_view rest_;
};

// The part of a quoted field starting at rest[0] == quote, up to and
// including the next quote that is not escaped by a backslash, or the whole
// rest when there is none.
std::string_view quotedPrefix(std::string_view rest, char quote) noexcept;

}  // namespace zum
