#include "util/AbsolutePaths.h"

#include <sys/stat.h>

#include <cerrno>

#include "util/Path.h"

namespace U_Path {

namespace {

// A path whose directory part is already what normalising makes of it: no
// "." or ".." components, no doubled or trailing slash, no drive. Joined to
// the working directory it names the same file physically as lexically.
bool isPlain(std::string_view path) noexcept {
  if (path.empty() || path.back() == '/' || (path.size() >= 2 && path[1] == ':')) return false;
  std::size_t begin = path[0] == '/' ? 1 : 0;
  while (begin <= path.size()) {
    std::size_t end = path.find('/', begin);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(begin, end - begin);
    if (part.empty() || part == "." || part == "..") return false;
    begin = end + 1;
  }
  return true;
}

}  // namespace

const AbsolutePaths::Directory& AbsolutePaths::directoryOf(const U_String& slashedDirectory) {
  auto found = directories_.find(slashedDirectory);
  if (found != directories_.end()) return found->second;
  Directory directory;
  directory.full = fullPath(slashedDirectory);
  const U_String resolved = longPathName(directory.full);
  // longPathName hands back its argument when the path cannot be resolved.
  if (resolved != directory.full || isDirectory(directory.full)) directory.resolved = toSlashes(resolved);
  return directories_.emplace(slashedDirectory, std::move(directory)).first->second;
}

U_String AbsolutePaths::absolute(std::string_view path) {
  const U_String slashed = toSlashes(path);
  if (!isPlain(slashed)) return U_Path::absolute(slashed);
  const Directory& directory = directoryOf(U_Path::directory(slashed));
  const U_String base = baseName(slashed);
  const U_String full = join(directory.full, base);
  struct stat info;
  if (::lstat(full.c_str(), &info) != 0) {
    // Nothing there (not even a dangling link): neither a directory nor
    // resolvable, so the lexical path is the answer.
    if (errno == ENOENT || errno == ENOTDIR) return full;
    return U_Path::absolute(slashed);
  }
  // A file that is no link resolves to its resolved directory and itself.
  if (S_ISREG(info.st_mode) && !directory.resolved.empty()) return join(directory.resolved, base);
  return U_Path::absolute(slashed);
}

}  // namespace U_Path
