#include "messages/ByteBuffer.h"

#include <algorithm>
#include <cstring>

void R_ByteBuffer::putInt32(std::int32_t value) {
  const auto word = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(word & 0xff), static_cast<char>(word >> 8 & 0xff),
                         static_cast<char>(word >> 16 & 0xff), static_cast<char>(word >> 24 & 0xff)};
  bytes_.append(bytes, 4);
}

void R_ByteBuffer::putByte(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }

void R_ByteBuffer::putBytes(std::string_view bytes) { bytes_.append(bytes); }

void R_ByteBuffer::putCopy(std::size_t begin, std::size_t end) {
  const std::size_t at = bytes_.size();
  bytes_.resize(at + (end - begin));
  std::memcpy(bytes_.data() + at, bytes_.data() + begin, end - begin);
}

void R_ByteBuffer::putCopies(std::size_t begin, std::size_t end, std::size_t times) {
  const std::size_t size = end - begin;
  std::size_t at = bytes_.size();
  bytes_.resize(at + size * times);
  for (; times > 0; --times, at += size) std::memcpy(bytes_.data() + at, bytes_.data() + begin, size);
}

void R_ByteBuffer::markText(std::size_t begin) {
  if (begin < bytes_.size()) texts_.push_back(Span{begin, bytes_.size()});
}

bool R_ByteBuffer::isTextAt(std::size_t offset) const noexcept {
  return std::any_of(texts_.begin(), texts_.end(),
                     [offset](const Span& s) { return s.begin <= offset && offset < s.end; });
}

void R_ByteBuffer::clear() noexcept {
  bytes_.clear();
  texts_.clear();
}
