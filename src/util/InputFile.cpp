#include "util/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zum {

InputFile::InputFile(const U_String& path) {
  // Non-blocking, so that opening a pipe does not wait for a writer; the
  // flag means nothing for a regular file, which is all that is kept.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error_ = errno != 0 ? errno : EIO;
    return;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    error_ = errno;
    ::close(fd);
    return;
  }
  if (!S_ISREG(status.st_mode)) {
    error_ = S_ISDIR(status.st_mode) ? EISDIR : kNotRegular;
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

InputFile::InputFile(InputFile&& other) noexcept : fd_(other.fd_), error_(other.error_) { other.fd_ = -1; }

int InputFile::release() noexcept {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

long InputFile::read(char* into, std::size_t room) {
  if (fd_ < 0) return -1;
  for (;;) {
    const ssize_t got = ::read(fd_, into, room);
    if (got >= 0) return static_cast<long>(got);
    if (errno == EINTR) continue;
    error_ = errno;
    return -1;
  }
}

bool InputFile::readAll(std::string& bytes) {
  // Read in place into room for the file's size; a file that grows
  // meanwhile is still read to its end.
  std::size_t used = bytes.size();
  struct stat status {};
  const std::size_t expected =
      fd_ >= 0 && ::fstat(fd_, &status) == 0 && status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0;
  bytes.resize(used + expected + 1);
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() + (std::size_t(1) << 16));
    const long got = read(bytes.data() + used, bytes.size() - used);
    if (got <= 0) {
      bytes.resize(used);
      return got == 0;
    }
    used += static_cast<std::size_t>(got);
  }
}

U_String describeFileError(int error) {
  if (error == InputFile::kNotRegular) return "not a regular file";
  return std::strerror(error);
}

int readRegularFile(const U_String& path, std::string& bytes) {
  bytes.clear();
  InputFile file(path);
  if (!file.isOpen() || !file.readAll(bytes)) return file.error() != 0 ? file.error() : EIO;
  return 0;
}

}  // namespace zum
