// Reads the little-endian words, bytes and byte runs of a binary file held
// in memory. Every read is checked against the bytes left: a read past the
// end raises R_ReadingReadException and allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class R_ByteReader {
 public:
  explicit R_ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::int32_t int32();
  std::uint8_t byte();
  // A view into the buffer, valid as long as the buffer is.
  std::string_view bytes(std::size_t count);
  void skip(std::size_t count) { bytes(count); }

  std::size_t offset() const noexcept { return offset_; }
  std::size_t remaining() const noexcept { return bytes_.size() - offset_; }
  bool atEnd() const noexcept { return offset_ >= bytes_.size(); }

 private:
  void need(std::size_t count) const;

  std::string_view bytes_;
  std::size_t offset_ = 0;
};
