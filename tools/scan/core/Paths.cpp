#include "core/Paths.h"

#include <unistd.h>

#include <vector>

namespace scan {

std::string normalPath(std::string_view path, std::string_view base) {
  std::string joined = path.starts_with('/') ? std::string(path) : std::string(base) + "/" + std::string(path);
  std::vector<std::string_view> parts;
  std::string_view rest = joined;
  while (!rest.empty()) {
    std::size_t slash = rest.find('/');
    std::string_view part = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string result;
  for (std::string_view part : parts) {
    result += '/';
    result += part;
  }
  return result.empty() ? "/" : result;
}

std::string currentDirectory() {
  std::string buffer(4096, '\0');
  while (!::getcwd(buffer.data(), buffer.size())) buffer.resize(buffer.size() * 2);
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::string_view baseName(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view directoryOf(std::string_view path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? std::string_view("/") : path.substr(0, slash);
}

std::string displayPath(std::string_view path, std::string_view from) {
  if (from.size() > 1 && path.size() > from.size() + 1 && path.starts_with(from) && path[from.size()] == '/')
    return std::string(path.substr(from.size() + 1));
  return std::string(path);
}

}  // namespace scan
