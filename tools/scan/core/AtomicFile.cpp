#include "core/AtomicFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace scan {

std::string temporaryName(const std::string& finalName, long pid) {
  return finalName + ".tmp" + std::to_string(pid);
}

bool writeFileAtomically(const std::string& finalName, std::string_view content, std::string& error) {
  const std::string temporary = temporaryName(finalName, static_cast<long>(::getpid()));
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    error = "cannot write " + temporary + ": " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  const int savedErrno = errno;
  if (std::fclose(file) != 0 || !written) {
    error = "cannot write " + temporary + ": " + std::strerror(written ? errno : savedErrno);
    std::remove(temporary.c_str());
    return false;
  }
  return commitTemporary(finalName, error);
}

void removeTemporaries(const std::string& finalName, long pid) {
  const std::filesystem::path temporary = temporaryName(finalName, pid);
  const std::string prefix = temporary.filename().string();
  const std::filesystem::path dir = temporary.has_parent_path() ? temporary.parent_path() : ".";
  std::error_code code;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  for (std::filesystem::directory_iterator entry(dir, code), end; !code && entry != end; entry.increment(code))
    if (entry->path().filename().string().starts_with(prefix)) std::filesystem::remove(entry->path(), ignored);
}

bool commitTemporary(const std::string& finalName, std::string& error) {
  const std::string temporary = temporaryName(finalName, static_cast<long>(::getpid()));
  if (std::rename(temporary.c_str(), finalName.c_str()) != 0) {
    error = "cannot rename " + temporary + " to " + finalName + ": " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool makeDirectories(const std::string& dir, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(dir, code);
  if (code && !std::filesystem::is_directory(dir)) {
    error = "cannot create the directory " + dir + ": " + code.message();
    return false;
  }
  return true;
}

}  // namespace scan
