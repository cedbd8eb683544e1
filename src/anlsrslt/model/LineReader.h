// Splitting a file into lines with large block reads.
//
// Lines are handed out as views into the read buffer, never copied. A line
// that spans two blocks is carried over to the front of the buffer; a line
// longer than the buffer grows it, so memory is bounded by the longest line.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace zum {

class LineReader {
 public:
  static constexpr std::size_t kBlockSize = std::size_t(1) << 20;

  // Takes ownership of the open file descriptor `fd`.
  explicit LineReader(int fd, std::size_t blockSize = kBlockSize);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Calls fn(line) for every line, without its "\n" and without a "\r"
  // just before it. A last line without "\n" counts. A read error ends the
  // lines; error() tells it from the end of the file.
  template <class Fn>
  void forEachLine(Fn&& fn) {
    std::size_t begin = 0;  // start of the first unprocessed byte
    std::size_t end = 0;    // end of the bytes read
    for (;;) {
      // Hand out every complete line in [begin, end).
      while (begin < end) {
        const char* start = buffer_.get() + begin;
        const void* newline = std::memchr(start, '\n', end - begin);
        if (!newline) break;
        std::size_t length = static_cast<const char*>(newline) - start;
        begin += length + 1;
        fn(trimCarriageReturn(std::string_view(start, length)));
      }
      // Keep the partial line, then read behind it.
      std::size_t partial = end - begin;
      if (begin > 0 && partial > 0) std::memmove(buffer_.get(), buffer_.get() + begin, partial);
      begin = 0;
      end = partial;
      if (end == capacity_) grow();
      std::size_t got = readSome(buffer_.get() + end, capacity_ - end);
      if (got == 0) {
        if (end > 0) fn(trimCarriageReturn(std::string_view(buffer_.get(), end)));
        return;
      }
      end += got;
    }
  }

  // The error number of a failed read, else 0.
  int error() const noexcept { return error_; }

 private:
  static std::string_view trimCarriageReturn(std::string_view line) noexcept {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
  std::size_t readSome(char* into, std::size_t room);
  void grow();

  int fd_;
  int error_ = 0;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;
};

// Splits an in-memory text the same way (for tests and benchmarks).
template <class Fn>
void forEachLineOf(std::string_view text, Fn&& fn) {
  while (!text.empty()) {
    const void* newline = std::memchr(text.data(), '\n', text.size());
    std::size_t length = newline ? static_cast<const char*>(newline) - text.data() : text.size();
    std::string_view line = text.substr(0, length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    fn(line);
    text.remove_prefix(newline ? length + 1 : length);
  }
}

}  // namespace zum
