// Path texts: absolute and without "." and ".." parts, and how they are
// shown to the user.
#pragma once

#include <string>
#include <string_view>

namespace scan {

// `path` made absolute against `base` (itself absolute), with "." and ".."
// parts and repeated separators removed; no symbolic link is followed.
std::string normalPath(std::string_view path, std::string_view base);
std::string currentDirectory();

std::string_view baseName(std::string_view path);
std::string_view directoryOf(std::string_view path);

// Relative to `from` when `path` lies below it, else `path` itself.
std::string displayPath(std::string_view path, std::string_view from);

}  // namespace scan
