// Files and places of one unit as the records name them: a file by its
// absolute path, a place by line and column. Only the project's own files
// are recorded: the unit's source and the headers that are not system
// headers; places in system headers, in clang's built-in buffers and in
// the text that token pasting makes have no file.
#pragma once

#include <clang/Basic/SourceManager.h>
#include <llvm/ADT/DenseMap.h>

#include <memory>
#include <string>
#include <vector>

namespace scan {

struct SourceFile {
  std::string path;          // absolute
  bool main = false;         // the unit's own source
  unsigned lines = 0;        // number of lines
  int functionsDefined = 0;  // function bodies in the file (STFNC)
};

struct Place {
  SourceFile* file = nullptr;  // null: not a project place
  int line = 0;
  int column = 0;
  explicit operator bool() const { return file != nullptr; }
  bool inHeader() const { return file && !file->main; }
};

class SourcePlaces {
 public:
  explicit SourcePlaces(const clang::SourceManager& sources) : sources_(sources) {}

  // Where a declaration or use is, for the records: the place a macro
  // expansion stands, not where the macro was written.
  Place expansion(clang::SourceLocation loc);
  // Where the characters are: a literal inside a macro definition is at
  // the definition.
  Place spelling(clang::SourceLocation loc);
  // The project file of `id`, or null.
  SourceFile* file(clang::FileID id);

  // Project files met so far, in the order they were first met.
  const std::vector<SourceFile*>& files() const { return order_; }
  const clang::SourceManager& sourceManager() const { return sources_; }

 private:
  Place placeOf(clang::FileID id, unsigned offset);

  const clang::SourceManager& sources_;
  llvm::DenseMap<clang::FileID, SourceFile*> byId_;
  std::vector<std::unique_ptr<SourceFile>> owned_;
  std::vector<SourceFile*> order_;
};

}  // namespace scan
