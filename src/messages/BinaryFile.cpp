#include "messages/BinaryFile.h"

#include <sys/stat.h>

#include <cerrno>

int R_readWholeFile(const U_String& path, std::string& bytes) {
  bytes.clear();
  errno = 0;
  R_FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return errno != 0 ? errno : ENOENT;
  // One allocation of the file's size, read in place; a file that grows
  // meanwhile is still read to its end, in steps.
  struct stat status {};
  if (fstat(fileno(file.get()), &status) == 0 && status.st_size > 0) {
    bytes.resize(static_cast<std::size_t>(status.st_size));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  }
  char chunk[1 << 16];
  while (!std::feof(file.get()) && !std::ferror(file.get())) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return errno != 0 ? errno : EIO;
  return 0;
}

std::unique_ptr<R_AppendFile> R_AppendFile::open(const U_String& path, int& error) {
  errno = 0;
  R_FilePtr file(std::fopen(path.c_str(), "ab"));
  if (!file) {
    error = errno != 0 ? errno : EIO;
    return nullptr;
  }
  // The caller hands over whole records; stdio must not split them.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  error = 0;
  return std::unique_ptr<R_AppendFile>(new R_AppendFile(std::move(file)));
}

bool R_AppendFile::write(std::string_view bytes, std::size_t& written, int& error) {
  written = 0;
  if (!file_) {
    error = EBADF;
    return false;
  }
  errno = 0;
  written = std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
  if (written == bytes.size()) return true;
  error = errno != 0 ? errno : EIO;
  return false;
}

int R_AppendFile::close() {
  if (!file_) return 0;
  errno = 0;
  const int result = std::fclose(file_.release());
  return result == 0 ? 0 : (errno != 0 ? errno : EIO);
}
