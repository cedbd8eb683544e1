// The two ways error files touch the disk: read a whole file into memory
// in one go, and append bytes at the end of a file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "util/String.h"

struct R_FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using R_FilePtr = std::unique_ptr<std::FILE, R_FileCloser>;

// Fills `bytes` with the file's content. Returns 0, or the error number of
// the failing open or read.
int R_readWholeFile(const U_String& path, std::string& bytes);

// A file opened for appending (created when missing). Every write lands at
// the end, so what the file held before can never be overwritten.
class R_AppendFile {
 public:
  // Returns null and sets `error` when the file cannot be opened.
  static std::unique_ptr<R_AppendFile> open(const U_String& path, int& error);

  // Writes all of `bytes`. On failure returns false with the count that
  // did reach the file and the error number.
  bool write(std::string_view bytes, std::size_t& written, int& error);
  // Closes the file; returns 0 or the error number. Further writes fail.
  int close();

 private:
  explicit R_AppendFile(R_FilePtr file) : file_(std::move(file)) {}
  R_FilePtr file_;
};
