// Error files are read whole into memory, in one go.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "util/String.h"

struct R_FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using R_FilePtr = std::unique_ptr<std::FILE, R_FileCloser>;

// Fills `bytes` with the file's content. Returns 0, or the error number of
// the failing open or read (zum::InputFile::kNotRegular for what is not a
// regular file: a pipe or a device is never read).
int R_readWholeFile(const U_String& path, std::string& bytes);
