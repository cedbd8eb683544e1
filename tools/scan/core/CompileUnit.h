// One translation unit of a compilation database, as the scan needs it.
#pragma once

#include <string>
#include <vector>

namespace scan {

struct CompileUnit {
  std::string file;                    // absolute, without "." and ".." parts
  std::string directory;               // where the compiler ran
  std::vector<std::string> arguments;  // the compiler's command line, its name first
};

// Where one unit's files go.
struct UnitFiles {
  std::string outputDir;   // absolute
  std::string metricFile;  // outputDir/<base name>.met
  std::string errorFile;   // outputDir/<base name>.err
};

// What the scan of one unit says back.
struct UnitReport {
  enum class Status : char { Scanned = 'S', ScannedCxx = 'P', Failed = 'F' };
  Status status = Status::Failed;
  std::string message;   // why it failed: clang's first errors
  std::string warnings;  // one per line, about things the scan passed over
};

}  // namespace scan
