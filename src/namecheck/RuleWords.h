// The words of the mask members of a rule ("inc", "def", "space", "scope",
// "linkage", "flag"): each a long word and the short code of the define
// records, standing for one bit.
#pragma once

#include <span>
#include <string_view>

#include "namecheck/NameRule.h"

namespace zum {

struct RuleWord {
  std::string_view word;
  std::string_view code;
  unsigned bit;
};

struct MaskMember {
  std::string_view name;
  unsigned NameRule::*mask;
  std::span<const RuleWord> words;
};

// The mask member called `name`, or null.
const MaskMember* findMaskMember(std::string_view name);
// The bit of `word` (a long word or a short code) among `member`'s, or 0.
unsigned maskBitOf(const MaskMember& member, std::string_view word);

}  // namespace zum
