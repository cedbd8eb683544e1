#include "anlsrslt/model/LineReader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zum {

LineReader::LineReader(int fd, std::size_t blockSize)
    : fd_(fd), capacity_(blockSize < 16 ? 16 : blockSize), buffer_(new char[capacity_]) {}

LineReader::~LineReader() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t LineReader::readSome(char* into, std::size_t room) {
  for (;;) {
    ssize_t got = ::read(fd_, into, room);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) {
      error_ = errno != 0 ? errno : EIO;
      return 0;
    }
  }
}

void LineReader::grow() {
  std::size_t capacity = capacity_ * 2;
  std::unique_ptr<char[]> buffer(new char[capacity]);
  std::memcpy(buffer.get(), buffer_.get(), capacity_);
  buffer_ = std::move(buffer);
  capacity_ = capacity;
}

}  // namespace zum
