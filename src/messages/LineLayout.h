// The line layout of a rendered format: what the line mode set last by
// "%w", "%W" or "%s" does to the whole text.
#pragma once

#include <cstddef>
#include <string_view>

#include "util/String.h"

enum class FM_LineMode { kNone = 0, kHardBreaks = 1, kBlankBreaks = 2, kCut = 3 };

struct FM_LineLayout {
  FM_LineMode mode = FM_LineMode::kNone;
  int width = 0;
  U_String continuation;  // begins every line that a break makes
  int tabStop = 8;        // below 1 counts as 1
};

// Cut: the first `width` characters. Breaks (width at least 1): columns
// count from 0, a newline resets them, a tab advances to the next multiple
// of the tab stop; a character other than newline or tab that would stand
// at column `width` or beyond starts a new line. With blank breaks the last
// blank after the continuation text of the current line becomes the break;
// otherwise, or when there is none, the break goes before the character.
// A break is a newline followed by the continuation text, and the count
// continues from the length of the continuation text. Breaks stop once the
// result reaches kMaxLayoutLength; the rest of the text is left out.
inline constexpr std::size_t kMaxLayoutLength = 16u << 20;
U_String FM_layOut(std::string_view text, const FM_LineLayout& layout);
