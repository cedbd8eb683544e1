#include "ast/CompileDatabase.h"

#include <clang/Tooling/ArgumentsAdjusters.h>
#include <clang/Tooling/JSONCompilationDatabase.h>
#include <llvm/Support/FileSystem.h>

#include <algorithm>
#include <set>

#include "core/Paths.h"

namespace scan {

namespace {

bool isLauncher(const std::string& program) {
  std::string_view name = baseName(program);
  return name == "ccache" || name == "sccache" || name == "distcc" || name == "icecc";
}

// A warning option ("-Wextra", "-Wno-foo"): no warning is shown anyway, and
// clang looks for a near name for every one it does not know (another
// compiler's). "-Wp," (preprocessor options) and the like are kept.
bool isWarningOption(const std::string& arg) {
  return arg.starts_with("-W") && arg.size() > 2 && !(arg.size() > 3 && arg[3] == ',');
}

}  // namespace

bool loadCompileDatabase(const std::string& path, CompileDatabase& database, std::string& error) {
  std::string file = path;
  if (llvm::sys::fs::is_directory(path)) file = path + (path.ends_with('/') ? "" : "/") + "compile_commands.json";
  database.file = file;
  if (!llvm::sys::fs::exists(file)) {
    error = "no compilation database: " + file + " does not exist";
    return false;
  }
  std::string why;
  std::unique_ptr<clang::tooling::JSONCompilationDatabase> json = clang::tooling::JSONCompilationDatabase::loadFromFile(
      file, why, clang::tooling::JSONCommandLineSyntax::AutoDetect);
  if (!json) {
    error = "cannot read the compilation database " + file + ": " + why;
    return false;
  }
  std::set<std::string> seen;
  const std::string here = currentDirectory();
  for (clang::tooling::CompileCommand& command : json->getAllCompileCommands()) {
    CompileUnit unit;
    unit.directory = normalPath(command.Directory, here);
    unit.file = normalPath(command.Filename, unit.directory);
    if (!seen.insert(unit.file).second) {
      ++database.repeated;
      continue;
    }
    unit.arguments = std::move(command.CommandLine);
    database.units.push_back(std::move(unit));
  }
  if (database.units.empty()) {
    error = "the compilation database " + file + " names no source";
    return false;
  }
  return true;
}

// C++ by "-x c++", else by the file's extension.
static bool isCxxUnit(const CompileUnit& unit) {
  for (std::size_t i = 0; i + 1 < unit.arguments.size(); ++i)
    if (unit.arguments[i] == "-x") return llvm::StringRef(unit.arguments[i + 1]).startswith("c++");
  llvm::StringRef file = unit.file;
  for (const char* extension : {".cc", ".cpp", ".cxx", ".c++", ".C", ".cp", ".CPP", ".ii"})
    if (file.endswith(extension)) return true;
  return false;
}

std::vector<std::string> scanArguments(const CompileUnit& unit) {
  using namespace clang::tooling;
  std::vector<std::string> args = unit.arguments;
  while (args.size() > 1 && isLauncher(args.front())) args.erase(args.begin());
  std::erase_if(args, isWarningOption);
  // A C++ unit compiled without -std gets the compilers' own default
  // (GNU C++17 in g++ 11 and later), not clang 14's older one.
  if (isCxxUnit(unit) && std::none_of(args.begin(), args.end(), [](const std::string& arg) {
        return arg.starts_with("-std=") || arg.starts_with("--std") || arg.starts_with("/std:");
      }))
    args.insert(args.begin() + 1, "-std=gnu++17");
  ArgumentsAdjuster adjust = combineAdjusters(
      combineAdjusters(getClangStripOutputAdjuster(), getClangStripDependencyFileAdjuster()),
      combineAdjusters(getClangSyntaxOnlyAdjuster(),
                       getInsertArgumentAdjuster({"-resource-dir=" ZUM_CLANG_RESOURCE_DIR, "-w", "-fno-caret-diagnostics"},
                                                 ArgumentInsertPosition::END)));
  return adjust(args, unit.file);
}

}  // namespace scan
