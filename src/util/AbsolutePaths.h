// The absolute names of many files of a few directories.
//
// Working out a file's absolute name asks the file system several times
// (the current directory, whether it is a directory, each component of the
// path for links). The messages of a large project name thousands of files
// in a handful of directories, so the directory's part is worked out once,
// and a plain file then costs one look at the file itself. The answers are
// those of U_Path::absolute as long as the current directory and the
// directories stay as they are, which holds for one run.
#pragma once

#include <string_view>
#include <unordered_map>

#include "util/String.h"

namespace U_Path {

class AbsolutePaths {
 public:
  U_String absolute(std::string_view path);

 private:
  struct Directory {
    U_String full;      // the current directory joined and normalised
    U_String resolved;  // with its links resolved; empty when that failed
  };
  const Directory& directoryOf(const U_String& slashedDirectory);

  std::unordered_map<U_String, Directory> directories_;
};

}  // namespace U_Path
