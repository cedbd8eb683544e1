// Collects the little-endian words and bytes of binary records before they
// go to a file in one piece. It also remembers which byte runs are text
// fields, so that a failed write can tell whether it broke a text or a
// number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class R_ByteBuffer {
 public:
  void putInt32(std::int32_t value) { storeInt32(extend(4), value); }
  // Room for `count` more bytes, filled by the caller before the next
  // append: a record of fixed words and a text takes one check for room
  // instead of one per field.
  char* putRoom(std::size_t count) { return extend(count); }
  static void storeInt32(char* at, std::int32_t value) {
    const auto word = static_cast<std::uint32_t>(value);
    at[0] = static_cast<char>(word & 0xff);
    at[1] = static_cast<char>(word >> 8 & 0xff);
    at[2] = static_cast<char>(word >> 16 & 0xff);
    at[3] = static_cast<char>(word >> 24 & 0xff);
  }
  void putByte(std::uint8_t value) { *extend(1) = static_cast<char>(value); }
  void putBytes(std::string_view bytes);
  // Appends a copy of the bytes from `begin` to `end`, which are already in
  // the buffer.
  void putCopy(std::size_t begin, std::size_t end);
  // Appends `times` copies of them.
  void putCopies(std::size_t begin, std::size_t end, std::size_t times);
  // Marks the bytes from `begin` to the current end as one text field.
  void markText(std::size_t begin);

  std::string_view bytes() const noexcept { return std::string_view(storage_.data(), size_); }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  bool isTextAt(std::size_t offset) const noexcept;
  void clear() noexcept;

 private:
  struct Span {
    std::size_t begin;
    std::size_t end;
  };
  // Makes room for `count` more bytes and returns where they go. The
  // storage grows ahead of the bytes, so that the few bytes of a word or
  // a count are written without a call.
  char* extend(std::size_t count) {
    if (storage_.size() - size_ < count) grow(count);
    char* at = storage_.data() + size_;
    size_ += count;
    return at;
  }
  void grow(std::size_t count);

  std::string storage_;  // the bytes, then unused room
  std::size_t size_ = 0;
  std::vector<Span> texts_;
};
