#include "util/NumberList.h"

#include <climits>
#include <cstdint>
#include <ostream>
#include <utility>

namespace {

constexpr std::int64_t kMaxRangeSpan = 20000;

bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Reads the digit run at the front of `text` like decimal stream extraction
// into an int that starts as 0: an empty run gives 0, an overlong run the
// largest int.
int takeNumber(std::string_view& text) {
  std::int64_t value = 0;
  std::size_t i = 0;
  while (i < text.size() && isDigit(text[i])) {
    if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    ++i;
  }
  text.remove_prefix(i);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace

std::vector<U_NumberRange> U_parseNumberList(std::string_view text, std::ostream& warnings) {
  std::vector<U_NumberRange> ranges;
  while (!text.empty()) {
    int low = takeNumber(text);
    int high = low;
    if (!text.empty() && text.front() == '-') {
      text.remove_prefix(1);
      high = takeNumber(text);
      if (low > high) std::swap(low, high);
      if (static_cast<std::int64_t>(high) - low > kMaxRangeSpan) {
        const int cut = low + static_cast<int>(kMaxRangeSpan - 1);
        warnings << "\n\nWARNING: configured number range " << low << "-" << high << " "
                 << "is too large.\n"
                 << "WARNING: Will truncate range to " << low << "-" << cut << ".\n\n"
                 << std::endl;
        high = cut;
      }
    }
    ranges.push_back(U_NumberRange{low, high});
    if (!text.empty()) text.remove_prefix(1);  // the separator, whatever it is
  }
  return ranges;
}
