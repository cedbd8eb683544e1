#include "options/EnvironmentPaths.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "options/ProductTable.h"
#include "options/ShiftJis.h"
#include "options/TextTranslation.h"
#include "util/Exception.h"
#include "util/Path.h"

namespace {

bool canMakeTemporaryFile(const U_String& directory) {
  if (!U_Path::isDirectory(directory)) return false;
  U_String pattern = U_Path::join(directory, "nvtXXXXXX");
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(pattern.c_str());
  return true;
}

}  // namespace

U_String C_defaultsFilePath(const zum::ProductRow& product) {
  const U_String name = U_String(".") + product.tag + "rc";
  const U_String variable = U_String(product.word) + "RCPATH";
  if (const char* directory = std::getenv(variable.c_str())) return U_Path::join(directory, name);
  if (U_Path::isReadable(name) && U_Path::isRegularFile(name)) return name;
  if (const char* home = std::getenv("HOME")) {
    const U_String path = U_Path::join(U_Path::toSlashes(home), name);
    if (U_Path::isReadable(path) && U_Path::isRegularFile(path)) return path;
  }
  return U_String();
}

U_String C_temporaryDirectory(const zum::ProductRow& product) {
  U_String tried = "Error finding temporary directory:\n";
  if (const char* value = std::getenv(product.temporaryDirectoryVariable)) {
    U_String directory;
    try {
      directory = XF_toInternal(value);
    } catch (XF_CharacterOutOfRangeException& failure) {
      failure.setPlace(U_String("in the environment variable ") + product.temporaryDirectoryVariable);
      throw;
    }
    if (canMakeTemporaryFile(directory)) return directory;
    throw U_UserException(tried + "\tTried directory from environment variable " +
                          product.temporaryDirectoryVariable + ": " + directory + "\n");
  }
  if (const char* value = std::getenv("TMP")) {
    const U_String directory = value;
    if (canMakeTemporaryFile(directory)) return directory;
    tried += "\tTried directory from environment variable TMP: " + directory + "\n";
  }
  const U_String root = "/";
  if (canMakeTemporaryFile(root)) return root;
  throw U_UserException(tried + "\tTried directory: " + root + "\n");
}

U_String C_programDirectory() {
  char path[PATH_MAX];
  const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (size <= 0) return U_String();
  return U_Path::directory(std::string_view(path, static_cast<std::size_t>(size)));
}
