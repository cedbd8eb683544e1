// The texts by which check 1710 compares identifiers.
//
// Each name is compared by two texts: the name with every "ignore" text
// removed (stripped), and the stripped name with each character of a
// "similar" group replaced by the group's code (translated). The groups,
// in ascending byte order, get the codes 130, 131 and so on; a character
// in several groups takes the code of the last. With "any_case" both texts
// are put in lower case, after the translation.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "checks/SimilarityOptions.h"

namespace zum {

class IdentifierNormaliser {
 public:
  explicit IdentifierNormaliser(const SimilaritySettings& settings);

  // Whether there is anything to compare by: a group, an ignored text or
  // letter case.
  bool active() const noexcept { return active_; }

  // The two texts of `name`; each is cleared first.
  void normalise(std::string_view name, std::string& translated, std::string& stripped) const;

 private:
  std::array<unsigned char, 256> table_;
  std::vector<std::string> ignore_;  // in ascending byte order
  bool anyCase_;
  bool active_;
};

// Removes `removed` (not empty) from `text` the way removing its first
// occurrence again and again until there is none would, in one pass:
// "aabb" without "ab" is "".
void removeEveryOccurrence(std::string& text, std::string_view removed);

}  // namespace zum
