// Reading compile_commands.json into the units to scan.
#pragma once

#include <string>
#include <vector>

#include "core/CompileUnit.h"

namespace scan {

struct CompileDatabase {
  std::string file;                // the JSON file read
  std::vector<CompileUnit> units;  // each source once, in the file's order
  std::size_t repeated = 0;        // entries for a source already listed (compiled twice)
};

// `path` is a directory holding compile_commands.json or the file itself.
// False with `error` set when it cannot be read or holds no unit.
bool loadCompileDatabase(const std::string& path, CompileDatabase& database, std::string& error);

// The command line to parse `unit` with: only syntax checking, no output
// files, the compiler's own headers from clang's resource directory, no
// warnings (errors only, without clang's source excerpts and counts), and
// without a compiler launcher in front.
std::vector<std::string> scanArguments(const CompileUnit& unit);

}  // namespace scan
