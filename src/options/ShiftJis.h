// Shift_JIS <-> EUC-JP for JIS X 0208 text, half-width katakana and
// single-byte characters; the two encodings code the same character set,
// so a character goes across by arithmetic on its row and cell.
#pragma once

#include <string_view>

#include "util/String.h"

namespace zum {

// Throws C_ConfigurationException "Character out of range.  Missing -en?"
// when a lead byte is not followed by a trail byte (0x40 to 0xFC).
U_String shiftJisToEuc(std::string_view text);

// Characters without a Shift_JIS form (JIS X 0212) become "?".
U_String eucToShiftJis(std::string_view text);

}  // namespace zum
