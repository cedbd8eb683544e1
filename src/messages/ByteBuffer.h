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
  void putInt32(std::int32_t value);
  void putByte(std::uint8_t value);
  void putBytes(std::string_view bytes);
  // Appends a copy of the bytes from `begin` to `end`, which are already in
  // the buffer.
  void putCopy(std::size_t begin, std::size_t end);
  // Appends `times` copies of them.
  void putCopies(std::size_t begin, std::size_t end, std::size_t times);
  // Marks the bytes from `begin` to the current end as one text field.
  void markText(std::size_t begin);

  const std::string& bytes() const noexcept { return bytes_; }
  std::size_t size() const noexcept { return bytes_.size(); }
  bool empty() const noexcept { return bytes_.empty(); }
  bool isTextAt(std::size_t offset) const noexcept;
  void clear() noexcept;

 private:
  struct Span {
    std::size_t begin;
    std::size_t end;
  };
  std::string bytes_;
  std::vector<Span> texts_;
};
