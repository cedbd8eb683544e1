#include "util/GuardedAppendFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <iostream>
#include <string>
#include <vector>

#include "util/InputFile.h"

namespace zum {

namespace {

// The guarded files that are open, for the signal handler: a descriptor
// and the size of the file's whole records. Plain atomics, so that the
// handler may read them whatever the program was doing; it passes over a
// slot whose descriptor is negative.
struct SignalSlot {
  std::atomic<int> fd{-1};
  std::atomic<std::int64_t> whole{0};
};
std::array<SignalSlot, 8> signalSlots;

// Marks a slot taken while its size is not yet set.
constexpr int kSlotBeingTaken = -2;

int takeSignalSlot(int fd, std::uint64_t whole) noexcept {
  for (std::size_t i = 0; i < signalSlots.size(); ++i) {
    int expected = -1;
    // The size may only be set in a slot this file holds: set in another
    // file's slot, a signal would cut that file to this one's size.
    if (!signalSlots[i].fd.compare_exchange_strong(expected, kSlotBeingTaken)) continue;
    signalSlots[i].whole.store(static_cast<std::int64_t>(whole));
    signalSlots[i].fd.store(fd);
    return static_cast<int>(i);
  }
  return -1;  // more files than slots: that one is not cut back on a signal
}

void freeSignalSlot(int slot) noexcept {
  if (slot >= 0) signalSlots[static_cast<std::size_t>(slot)].fd.store(-1);
}

// The guarded files that are open, so that one file's failure can cut back
// the others. A run opens them from one thread.
std::vector<GuardedAppendFile*>& openFiles() {
  static std::vector<GuardedAppendFile*> files;
  return files;
}

int lastError() noexcept { return errno != 0 ? errno : EIO; }

bool writeAll(int fd, std::string_view bytes, int& error) noexcept {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? lastError() : ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes `path` with `bytes` in it, in one step as far as other processes
// can see: written under a temporary name, then linked to its own. Returns
// 0, EEXIST when the file is there already, or the error.
int makeWhole(const U_String& path, std::string_view bytes) {
  static unsigned counter = 0;
  const U_String temporary = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return lastError();
  int error = 0;
  const bool written = writeAll(fd, bytes, error);
  if (::close(fd) != 0 && written) error = lastError();
  if (written && error == 0) error = ::link(temporary.c_str(), path.c_str()) == 0 ? 0 : lastError();
  ::unlink(temporary.c_str());
  if (error == 0 || error == EEXIST || written == false) return error;
  if (error == EPERM || error == ENOSYS || error == EOPNOTSUPP) {
    // A file system without links: made in place, seen empty for a moment.
    const int direct = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (direct < 0) return lastError();
    error = 0;
    const bool ok = writeAll(direct, bytes, error);
    ::close(direct);
    if (!ok) ::unlink(path.c_str());
    return ok ? 0 : error;
  }
  return error;
}

// Waits for the exclusive lock of `fd`, saying once why it waits. A file
// system without locks is written to without one.
void lockExclusive(int fd, const U_String& path) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
  if (errno != EWOULDBLOCK) return;
  std::cerr << "Waiting for another run to finish with '" << path << "'.\n" << std::flush;
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

bool sameFile(int fd, const U_String& path, struct stat& status) {
  struct stat named {};
  if (::fstat(fd, &status) != 0 || ::stat(path.c_str(), &named) != 0) return false;
  return status.st_dev == named.st_dev && status.st_ino == named.st_ino;
}

}  // namespace

std::unique_ptr<GuardedAppendFile> GuardedAppendFile::open(const U_String& path, std::string_view bytesOfANewFile,
                                                           int& error) {
  // A run that held the lock may have removed or replaced the file by the
  // time the lock comes: then the file of that name is opened again.
  for (int attempt = 0; attempt < 100; ++attempt) {
    bool madeHere = false;
    int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
      const int made = makeWhole(path, bytesOfANewFile);
      if (made != 0 && made != EEXIST) {
        error = made;
        return nullptr;
      }
      madeHere = made == 0;
      fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK);
      if (fd < 0 && errno == ENOENT) continue;
    }
    if (fd < 0) {
      error = lastError();
      return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && !S_ISREG(status.st_mode)) {
      error = S_ISDIR(status.st_mode) ? EISDIR : InputFile::kNotRegular;
      ::close(fd);
      return nullptr;
    }
    lockExclusive(fd, path);
    if (!sameFile(fd, path, status)) {
      ::close(fd);
      continue;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const bool created = madeHere && size == bytesOfANewFile.size();
    error = 0;
    return std::unique_ptr<GuardedAppendFile>(new GuardedAppendFile(path, fd, created, size));
  }
  error = EAGAIN;
  return nullptr;
}

GuardedAppendFile::GuardedAppendFile(U_String path, int fd, bool created, std::uint64_t size)
    : path_(std::move(path)), fd_(fd), created_(created), sizeAtOpen_(size), size_(size) {
  slot_ = takeSignalSlot(fd_, size_);
  openFiles().push_back(this);
}

GuardedAppendFile::~GuardedAppendFile() {
  close();
  std::erase(openFiles(), this);
}

std::string GuardedAppendFile::readAt(std::uint64_t offset, std::size_t count) const {
  std::string bytes(count, '\0');
  std::size_t got = 0;
  while (fd_ >= 0 && got < count) {
    const ssize_t n = ::pread(fd_, bytes.data() + got, count - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

std::uint64_t GuardedAppendFile::endOfLast(char c) const {
  constexpr std::size_t kChunk = 64 * 1024;
  for (std::uint64_t end = size_; end > 0;) {
    const std::uint64_t begin = end > kChunk ? end - kChunk : 0;
    const std::string bytes = readAt(begin, static_cast<std::size_t>(end - begin));
    const std::size_t at = bytes.rfind(c);
    if (at != std::string::npos) return begin + at + 1;
    if (bytes.size() != end - begin) return 0;  // a read error: nothing is taken for whole
    end = begin;
  }
  return 0;
}

bool GuardedAppendFile::dropTail(std::uint64_t size) {
  if (fd_ < 0 || size > size_ || ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
    error_ = fd_ < 0 || size > size_ ? EINVAL : lastError();
    return false;
  }
  sizeAtOpen_ = size_ = size;
  markWhole();
  return true;
}

bool GuardedAppendFile::append(std::string_view bytes) {
  if (dropped_) return true;
  if (fd_ < 0) {
    error_ = EBADF;
    return false;
  }
  int error = 0;
  const bool ok = writeAll(fd_, bytes, error);
  if (!ok) error_ = error;
  // What did reach the file counts for cutting back, whole or not.
  struct stat status {};
  size_ = ::fstat(fd_, &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : size_ + bytes.size();
  return ok;
}

void GuardedAppendFile::markWhole() noexcept {
  if (slot_ >= 0) signalSlots[static_cast<std::size_t>(slot_)].whole.store(static_cast<std::int64_t>(size_));
}

bool GuardedAppendFile::cutBack() {
  if (fd_ < 0) return true;
  if (created_) {
    // Removed while the lock is held: a run waiting for it finds that the
    // name no longer leads to its file and starts afresh.
    if (::unlink(path_.c_str()) == 0) return true;
  } else if (::ftruncate(fd_, static_cast<off_t>(sizeAtOpen_)) == 0) {
    size_ = sizeAtOpen_;
    markWhole();
    return true;
  }
  error_ = lastError();
  return false;
}

U_String GuardedAppendFile::cutBackAfterFailure() {
  U_String text = "in '" + path_ + "': " + describeFileError(error_);
  if (!cutBack()) {
    text += "; it could not be cut back to the " + std::to_string(sizeAtOpen_) +
            " bytes it held before the run: " + describeFileError(error_);
  } else {
    text += created_ ? "; the file this run made is removed again" : "; the file is left as it was before the run";
  }
  dropped_ = true;
  for (GuardedAppendFile* other : openFiles()) {
    if (other == this || other->fd_ < 0 || other->dropped_) continue;
    other->dropped_ = true;
    if (other->cutBack()) {
      text += "; '" + other->path_ + (other->created_ ? "', which this run made, is removed too"
                                                      : "' is left as it was before the run too");
    } else {
      text += "; '" + other->path_ + "' could not be cut back: " + describeFileError(other->error_);
    }
  }
  return text;
}

void GuardedAppendFile::cutBackAllOpen() noexcept {
  for (GuardedAppendFile* file : openFiles()) {
    if (file->fd_ < 0 || file->dropped_) continue;
    file->dropped_ = true;
    file->cutBack();
  }
}

bool GuardedAppendFile::close() {
  if (fd_ < 0) return true;
  freeSignalSlot(slot_);
  slot_ = -1;
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) == 0) return true;
  error_ = lastError();
  return false;
}

void GuardedAppendFile::cutBackAllOnSignal() noexcept {
  for (SignalSlot& slot : signalSlots) {
    const int fd = slot.fd.load();
    if (fd >= 0) {
      const int ignored = ::ftruncate(fd, static_cast<off_t>(slot.whole.load()));
      (void)ignored;
    }
  }
}

}  // namespace zum
