// Helpers shared by the error file tests: a scratch directory, whole-file
// reading and writing, and a byte builder for files written by hand from
// the format description (independent of the program's own encoders).
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ScratchDir.h"
#include "TestText.h"
#include "util/Filename.h"
#include "util/Location.h"

namespace messagestest {

// A scratch directory whose files are named by their plain names.
class TempDir {
 public:
  std::string path(const std::string& name) const { return scratch_.path(name).string(); }

 private:
  zumtest::ScratchDir scratch_{"zum-msg"};
};

// A failure's text without the line the program adds after the designed
// text to say where the failure lies ("  in 'x.err', the record at ...").
inline std::string designedText(const std::string& what) {
  const std::size_t place = what.find("\n  in ");
  if (place == std::string::npos) return what;
  const std::size_t end = what.find('\n', place + 1);
  return what.substr(0, place) + (end == std::string::npos ? "" : what.substr(end));
}

// That line, without its indentation ("" when there is none).
inline std::string placeText(const std::string& what) {
  const std::size_t place = what.find("\n  in ");
  if (place == std::string::npos) return "";
  const std::size_t end = what.find('\n', place + 1);
  return what.substr(place + 3, end == std::string::npos ? std::string::npos : end - place - 3);
}

using zumtest::readFile;
using zumtest::writeFile;

// A file both halves of which are the given text (no file system lookup).
inline XF_Filename file(std::string_view absolute, std::string_view given) {
  return XF_Filename(U_Filename(absolute), U_Filename(given));
}

// An entity whose text forms name themselves ("T1", "T2", ...), so that a
// test sees which form was taken.
class FormNames final : public U_EntityDisplayName {
 public:
  explicit FormNames(std::string base) : base_(std::move(base)) {}
  U_String text(int form) const override { return base_ + std::to_string(form); }

 private:
  std::string base_;
};

// Little-endian words, bytes and the two string encodings, spelled out.
class Bytes {
 public:
  Bytes& i32(std::int32_t value) {
    const auto word = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>((word >> shift) & 0xff));
    return *this;
  }
  Bytes& u8(unsigned value) {
    bytes_.push_back(static_cast<char>(value));
    return *this;
  }
  Bytes& raw(std::string_view text) {
    bytes_.append(text);
    return *this;
  }
  // Current generation: length without terminator, then the bytes.
  Bytes& str(std::string_view text) { return i32(static_cast<std::int32_t>(text.size())).raw(text); }
  // Older generation: length with the terminating zero, which follows.
  Bytes& ostr(std::string_view text) { return i32(static_cast<std::int32_t>(text.size() + 1)).raw(text).u8(0); }
  Bytes& append(const Bytes& other) {
    bytes_ += other.bytes_;
    return *this;
  }
  const std::string& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::string bytes_;
};

// Bytes as "00 82 00 00 ..." for readable failure messages.
inline std::string hex(std::string_view bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

}  // namespace messagestest
