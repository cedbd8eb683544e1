// A file written in big blocks from a growing text buffer. Generated
// projects run to gigabytes, so records are appended to `text()` and reach
// the disk only when a few megabytes have gathered.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace genproject {

class OutputFile {
 public:
  explicit OutputFile(const std::filesystem::path& path);  // throws std::runtime_error
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::string& text() { return buffer_; }
  // Writes the buffer out once it is large enough to be worth a system call.
  void flushIfFull() {
    if (buffer_.size() >= kBlockSize) flush();
  }
  void close();  // throws std::runtime_error when the data did not reach the file

  uint64_t bytes() const { return bytes_; }
  uint64_t lines() const { return lines_; }

 private:
  static constexpr size_t kBlockSize = 4 << 20;
  void flush();

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::string buffer_;
  uint64_t bytes_ = 0;
  uint64_t lines_ = 0;
  bool failed_ = false;
};

}  // namespace genproject
