// Operations on path texts with '/' as the separator. Only the functions
// marked "file system" look at the disk.
#pragma once

#include <string_view>

#include "util/String.h"

namespace U_Path {

bool charEqualIgnoreCase(char a, char b) noexcept;
// Sizes must match; compared from the end, letters folded.
bool equalIgnoreCase(std::string_view a, std::string_view b) noexcept;
// `prefix` is not longer than `text` and equals its leading part.
bool isPrefixIgnoreCase(std::string_view prefix, std::string_view text) noexcept;
// "/" or a drive root such as "C:/".
bool isRoot(std::string_view path) noexcept;

// 'a/b/' -> 'a', 'x' -> '.', '/x' -> '/', 'C:' -> 'C:/'.
U_String directory(std::string_view path);
// 'a/b/' -> 'b'.
U_String baseName(std::string_view path);
// Cuts at the last '.' when it stands after the last '/'.
U_String stripExtension(std::string_view path);
// Appends `extension`, with a '.' between when neither side has one.
U_String addExtension(std::string_view path, std::string_view extension);
// An empty name gives the directory; '', '.' and './' directories give the name.
U_String join(std::string_view directory, std::string_view name);
U_String baseNameWithoutExtension(std::string_view path);
U_String toSlashes(std::string_view path);
U_String toBackslashes(std::string_view path);

// File system: the working directory, backslashes turned into slashes.
U_String currentDirectory();
// File system: `path` joined to the working directory when relative, with
// "." and ".." taken out; links are not resolved.
U_String fullPath(std::string_view path);
// File system: the full path of `path`; for an existing file the real path
// (the long path name), otherwise the lexically completed path.
U_String absolute(std::string_view path);
// File system: the first directory of the ';'-separated list holding a
// readable regular file `name`, joined with it; "" when none does.
U_String searchPath(std::string_view directories, std::string_view name);
// File system: the real path of an existing file, else the text unchanged.
U_String longPathName(std::string_view path);

bool isReadable(const U_String& path);
bool isRegularFile(const U_String& path);
bool isDirectory(const U_String& path);
bool hasSlash(std::string_view path) noexcept;

}  // namespace U_Path
