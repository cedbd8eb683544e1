// Shift_JIS <-> EUC-JP for JIS X 0208 text, half-width katakana and
// single-byte characters; the two encodings code the same character set,
// so a character goes across by arithmetic on its row and cell.
#pragma once

#include <string_view>

#include "options/OptionExceptions.h"
#include "util/String.h"

// A Shift_JIS lead byte without its trail byte: "Character out of range.
// Missing -en?" (the run's text is read as Shift_JIS, and the text at hand
// is not). Whoever knows where the text came from names the place, on a
// line of its own after the designed text, so that the usage printed next
// starts on its own line too.
class XF_CharacterOutOfRangeException : public C_ConfigurationException {
 public:
  explicit XF_CharacterOutOfRangeException(std::size_t offset);

  // Of the lead byte, in the text that was being translated.
  std::size_t offset() const noexcept { return offset_; }
  // "in 'list.lst' at line 3".
  void setPlace(std::string_view place);

 private:
  std::size_t offset_;
};

namespace zum {

// Throws XF_CharacterOutOfRangeException when a lead byte is not followed
// by a trail byte (0x40 to 0xFC).
U_String shiftJisToEuc(std::string_view text);

// The 1-based line of `text` that holds the byte at `offset`.
int lineAt(std::string_view text, std::size_t offset);

// Characters without a Shift_JIS form (JIS X 0212) become "?".
U_String eucToShiftJis(std::string_view text);

}  // namespace zum
