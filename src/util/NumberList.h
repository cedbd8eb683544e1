// Lists of message numbers and ranges as integer-list options take them:
// "1,3-5;7" gives 1, 3 to 5 and 7.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

struct U_NumberRange {
  int low;
  int high;  // low <= high
  friend bool operator==(const U_NumberRange&, const U_NumberRange&) = default;
};

// Ranges come out in text order. A range spanning more than 20000 numbers is
// cut to its first 20000, with a warning on `warnings`.
std::vector<U_NumberRange> U_parseNumberList(std::string_view text, std::ostream& warnings);
