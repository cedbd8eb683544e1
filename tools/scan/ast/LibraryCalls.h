// What the code of a library template's instance calls of the project's
// code. A `std::vector<Entry>` builds, copies and destroys its `Entry`
// objects inside the library's code, which the scan writes nothing of; the
// calls count as made by the project's function that called the library
// (at the place of that call), or else `Entry`'s constructor would pass
// for unused.
#pragma once

#include <clang/AST/Decl.h>
#include <clang/AST/Stmt.h>
#include <llvm/ADT/DenseMap.h>

#include <vector>

#include "ast/SourcePlaces.h"

namespace scan {

class LibraryCalls {
 public:
  explicit LibraryCalls(SourcePlaces& places) : places_(places) {}

  // The code of an instance of a template that is not the project's.
  bool isLibraryInstance(const clang::FunctionDecl* function);
  // The project's functions that `entry`, a library instance, calls
  // directly or through other library instances, in the order first found.
  const std::vector<const clang::FunctionDecl*>& reachedFrom(const clang::FunctionDecl* entry);

 private:
  // What one library function calls: the project's functions, and the
  // library instances to follow.
  struct Callees {
    std::vector<const clang::FunctionDecl*> project;
    std::vector<const clang::FunctionDecl*> library;
  };
  const Callees& callees(const clang::FunctionDecl* function);
  void collect(const clang::Stmt* stmt, Callees& found);
  void note(const clang::FunctionDecl* callee, Callees& found);
  bool isProjects(const clang::Decl* decl) { return static_cast<bool>(places_.expansion(decl->getLocation())); }

  SourcePlaces& places_;
  llvm::DenseMap<const clang::FunctionDecl*, Callees> callees_;
  llvm::DenseMap<const clang::FunctionDecl*, std::vector<const clang::FunctionDecl*>> reached_;
};

}  // namespace scan
