// Opening an input file so that reading it can neither block nor run on
// forever: only a regular file is accepted. A directory, a pipe or a device
// (/dev/zero) named where a file of the run should be is refused at once,
// and a failing read is reported, never taken for the end of the file.
#pragma once

#include <string>

#include "util/String.h"

namespace zum {

class InputFile {
 public:
  // The error() of a file that exists but is not a regular file.
  static constexpr int kNotRegular = -1;

  // Opens `path` for reading; check isOpen().
  explicit InputFile(const U_String& path);
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&&) = delete;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isOpen() const noexcept { return fd_ >= 0; }
  int fd() const noexcept { return fd_; }
  // Hands the descriptor over to the caller, who closes it.
  int release() noexcept;

  // Up to `room` bytes; 0 at the end of the file; -1 on a read error
  // (error() tells which).
  long read(char* into, std::size_t room);
  // Appends the rest of the file to `bytes`; false on a read error.
  bool readAll(std::string& bytes);

  // The error number of the failed open or read, kNotRegular, or 0.
  int error() const noexcept { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

// The reason an open or read failed, as a user reads it: the system's text
// ("No such file or directory", "Is a directory") or "not a regular file".
U_String describeFileError(int error);

// The whole of `path`, or the reason it could not be read (0 when it could).
int readRegularFile(const U_String& path, std::string& bytes);

}  // namespace zum
