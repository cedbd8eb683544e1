#include "messages/ByteReader.h"

#include "messages/BinaryExceptions.h"

void R_ByteReader::need(std::size_t count) const {
  // A short buffer is a file that ended inside a record; no system call
  // failed, so there is no error number to report.
  if (count > remaining()) throw R_ReadingReadException(0);
}

std::int32_t R_ByteReader::int32() {
  need(4);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + offset_);
  offset_ += 4;
  const std::uint32_t word = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                             static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  return static_cast<std::int32_t>(word);
}

std::uint8_t R_ByteReader::byte() {
  need(1);
  return static_cast<std::uint8_t>(bytes_[offset_++]);
}

std::string_view R_ByteReader::bytes(std::size_t count) {
  need(count);
  const std::string_view run = bytes_.substr(offset_, count);
  offset_ += count;
  return run;
}
