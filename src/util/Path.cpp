#include "util/Path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

namespace U_Path {

namespace {

char foldChar(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool isDriveColon(std::string_view path) noexcept { return path.size() >= 2 && path[1] == ':'; }

// Resolves '.' and '..' components and doubled separators of an absolute path.
U_String normalise(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t i = 0;
  while (i < path.size()) {
    while (i < path.size() && path[i] == '/') ++i;
    std::size_t end = path.find('/', i);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(i, end - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = end;
  }
  U_String result;
  for (std::string_view part : parts) {
    result += '/';
    result += part;
  }
  return result.empty() ? U_String("/") : result;
}

}  // namespace

U_String fullPath(std::string_view path) {
  if (!path.empty() && path[0] == '/') return normalise(path);
  return normalise(currentDirectory() + "/" + U_String(path));
}

bool charEqualIgnoreCase(char a, char b) noexcept { return foldChar(a) == foldChar(b); }

bool equalIgnoreCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (!charEqualIgnoreCase(a[i], b[i])) return false;
  }
  return true;
}

bool isPrefixIgnoreCase(std::string_view prefix, std::string_view text) noexcept {
  return prefix.size() <= text.size() && equalIgnoreCase(prefix, text.substr(0, prefix.size()));
}

bool isRoot(std::string_view path) noexcept { return path == "/" || (path.size() == 3 && path[1] == ':'); }

U_String directory(std::string_view path) {
  U_String p(path);
  if (p.size() == 2 && p[1] == ':') p += '/';
  if (!p.empty() && p.back() == '/' && !isRoot(p)) p.pop_back();
  const std::size_t slash = p.rfind('/');
  if (slash == U_String::npos) return ".";
  if (slash == 0) return "/";
  if (slash == 2 && isDriveColon(p)) return p.substr(0, 3);
  return p.substr(0, slash);
}

U_String baseName(std::string_view path) {
  if (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  return U_String(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

U_String stripExtension(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return U_String(path);
  const std::size_t slash = path.rfind('/');
  if (slash != std::string_view::npos && dot < slash) return U_String(path);
  return U_String(path.substr(0, dot));
}

U_String addExtension(std::string_view path, std::string_view extension) {
  U_String result(path);
  if (!extension.empty() && extension.front() != '.' && (result.empty() || result.back() != '.')) result += '.';
  result += extension;
  return result;
}

U_String join(std::string_view dir, std::string_view name) {
  if (name.empty()) return U_String(dir);
  if (dir.empty() || dir == "." || dir == "./") return U_String(name);
  U_String result(dir);
  if (result.back() != '/') result += '/';
  result += name;
  return result;
}

U_String baseNameWithoutExtension(std::string_view path) { return stripExtension(baseName(path)); }

U_String toSlashes(std::string_view path) {
  U_String result(path);
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

U_String toBackslashes(std::string_view path) {
  U_String result(path);
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

U_String currentDirectory() {
  std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
  return cwd ? toSlashes(cwd.get()) : U_String(".");
}

U_String longPathName(std::string_view path) {
  U_String text(path);
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(text.c_str(), nullptr), &std::free);
  return real ? U_String(real.get()) : text;
}

U_String absolute(std::string_view path) {
  const U_String slashed = toSlashes(path);
  U_String full;
  if (isDirectory(slashed)) {
    full = fullPath(slashed);
  } else {
    full = join(fullPath(directory(slashed)), baseName(slashed));
  }
  return toSlashes(longPathName(full));
}

U_String searchPath(std::string_view directories, std::string_view name) {
  std::size_t start = 0;
  while (start <= directories.size()) {
    std::size_t end = directories.find(';', start);
    if (end == std::string_view::npos) end = directories.size();
    U_String candidate = join(directories.substr(start, end - start), name);
    if (isReadable(candidate) && isRegularFile(candidate)) return candidate;
    start = end + 1;
  }
  return U_String();
}

bool isReadable(const U_String& path) { return ::access(path.c_str(), R_OK) == 0; }

bool isRegularFile(const U_String& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isDirectory(const U_String& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool hasSlash(std::string_view path) noexcept { return path.find('/') != std::string_view::npos; }

}  // namespace U_Path
