// A project output file: appended to by one run at a time, and left as the
// run found it when the run cannot finish writing it.
//
//   int error = 0;
//   auto file = zum::GuardedAppendFile::open(path, bytesOfANewFile, error);
//   if (!file->append(records)) { file->cutBack(); ... report file->error() }
//   file->markWhole();   // a fatal signal cuts the file back to here
//   if (!file->close()) ... report file->error()
//
// Opening takes an exclusive advisory lock (flock) on the file and waits
// while another process holds it, after saying so on standard error. The
// lock belongs to the open file, so a run that dies never leaves it behind.
// A missing file is made together with its first bytes (written under a
// temporary name and linked into place), so no run ever sees it empty.
// Bytes are only ever added at the end.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "util/String.h"

namespace zum {

class GuardedAppendFile {
 public:
  // Null when the file cannot be opened or made; `error` is the error
  // number, or InputFile::kNotRegular for something that is not a regular
  // file (a directory gives EISDIR).
  static std::unique_ptr<GuardedAppendFile> open(const U_String& path, std::string_view bytesOfANewFile,
                                                 int& error);
  // Closes the file if close() was not called; its errors are dropped.
  ~GuardedAppendFile();
  GuardedAppendFile(const GuardedAppendFile&) = delete;
  GuardedAppendFile& operator=(const GuardedAppendFile&) = delete;

  const U_String& path() const noexcept { return path_; }
  // The file did not exist before this run made it (with the bytes given
  // to open()), and nothing else was written to it before the lock came.
  bool created() const noexcept { return created_; }
  // What the file held when the lock was taken.
  std::uint64_t sizeAtOpen() const noexcept { return sizeAtOpen_; }
  // What the file holds now, as far as this run's writes went.
  std::uint64_t size() const noexcept { return size_; }

  // Up to `count` bytes at `offset`; fewer at the end of the file or on a
  // read error.
  std::string readAt(std::uint64_t offset, std::size_t count) const;
  // The size of the file without what follows its last byte `c` (0 when
  // there is none): the end of its last whole line for '\n'.
  std::uint64_t endOfLast(char c) const;

  // Before anything is written: drops the end of the file from `size` on,
  // which then counts as what the file held before the run. False, with
  // error(), when that failed.
  bool dropTail(std::uint64_t size);

  // Writes all of `bytes` at the end; false, with error(), when they could
  // not all be written. Once the file was cut back for another file's
  // failure, the bytes are dropped (and that is no failure).
  bool append(std::string_view bytes);
  // The file ends with a whole record now: a fatal signal cuts it back to
  // here, never further than to what it held at open.
  void markWhole() noexcept;
  // Cuts the file back to what it held at open; a file this run made is
  // removed again. False, with error(), when that failed.
  bool cutBack();
  // After a failed append(): cuts the file back and says, for the message,
  // what failed and what the file holds now: "in 'out/p.err': No space left
  // on device; the file is left as it was before the run". The other guarded
  // files open in the process (a run's error and metric files) are cut back
  // too, so that a failed run leaves none of its output behind; the text
  // names them, and what they are sent afterwards is dropped.
  U_String cutBackAfterFailure();
  // Cuts back every guarded file that is open, as after a failure, and
  // drops what they are sent afterwards: for a run that cannot go on
  // before it wrote anything (its second output failed to open).
  static void cutBackAllOpen() noexcept;
  // Closes the file, which releases the lock; false, with error(), when
  // closing reported a failure (what was written may not be on disk).
  bool close();

  int error() const noexcept { return error_; }

  // For the handler of a fatal signal: cuts every guarded file that is open
  // back to its last whole record. Only async-signal-safe calls.
  static void cutBackAllOnSignal() noexcept;

 private:
  GuardedAppendFile(U_String path, int fd, bool created, std::uint64_t size);

  U_String path_;
  int fd_;
  bool created_;
  std::uint64_t sizeAtOpen_;
  std::uint64_t size_;
  int slot_ = -1;
  int error_ = 0;
  bool dropped_ = false;  // cut back for another file's failure
};

}  // namespace zum
