#include "options/ShiftJis.h"

#include <algorithm>

namespace {

constexpr std::string_view kOutOfRange = "Character out of range.  Missing -en?";

}  // namespace

XF_CharacterOutOfRangeException::XF_CharacterOutOfRangeException(std::size_t offset)
    : C_ConfigurationException(U_String(kOutOfRange)), offset_(offset) {}

void XF_CharacterOutOfRangeException::setPlace(std::string_view place) {
  setMessage(U_String(kOutOfRange) + "\n  " + U_String(place) + "\n");
}

namespace zum {

int lineAt(std::string_view text, std::size_t offset) {
  const std::string_view before = text.substr(0, std::min(offset, text.size()));
  return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

namespace {

bool isLeadByte(unsigned b) noexcept { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isHalfWidthKatakana(unsigned b) noexcept { return b >= 0xA1 && b <= 0xDF; }
bool isEucByte(unsigned b) noexcept { return b >= 0xA1 && b <= 0xFE; }

constexpr unsigned char kEucSingleShift2 = 0x8E;  // half-width katakana follows
constexpr unsigned char kEucSingleShift3 = 0x8F;  // a JIS X 0212 pair follows

}  // namespace

U_String shiftJisToEuc(std::string_view text) {
  U_String out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned b = static_cast<unsigned char>(text[i]);
    if (isHalfWidthKatakana(b)) {
      out += static_cast<char>(kEucSingleShift2);
      out += static_cast<char>(b);
      continue;
    }
    if (!isLeadByte(b)) {
      out += static_cast<char>(b);
      continue;
    }
    const unsigned trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (trail < 0x40 || trail > 0xFC) throw XF_CharacterOutOfRangeException(i);
    ++i;
    // Lead bytes from 0xF0 on reuse the rows of 0xE0 and up.
    const unsigned lead = b >= 0xF0 ? b - 0x10 : b;
    unsigned row = (lead - (lead <= 0x9F ? 0x70 : 0xB0)) * 2 - 1;
    unsigned cell;
    if (trail >= 0x9F) {
      ++row;
      cell = trail - 0x7E;
    } else {
      cell = trail - (trail >= 0x80 ? 0x20 : 0x1F);
    }
    out += static_cast<char>(row | 0x80);
    out += static_cast<char>(cell | 0x80);
  }
  return out;
}

U_String eucToShiftJis(std::string_view text) {
  U_String out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned b = static_cast<unsigned char>(text[i]);
    const unsigned next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (b == kEucSingleShift2 && isHalfWidthKatakana(next)) {
      out += static_cast<char>(next);
      ++i;
    } else if (b == kEucSingleShift3 && i + 2 < text.size()) {
      out += '?';
      i += 2;
    } else if (isEucByte(b) && isEucByte(next)) {
      const unsigned row = b & 0x7F;
      const unsigned cell = next & 0x7F;
      out += static_cast<char>(((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0));
      out += static_cast<char>(cell + ((row & 1) ? (cell >= 0x60 ? 0x20 : 0x1F) : 0x7E));
      ++i;
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

}  // namespace zum
