#include "ast/LibraryCalls.h"

#include <clang/AST/DeclCXX.h>
#include <clang/AST/ExprCXX.h>
#include <llvm/ADT/DenseSet.h>

namespace scan {

bool LibraryCalls::isLibraryInstance(const clang::FunctionDecl* function) {
  return function && function->isTemplateInstantiation() && function->hasBody() && !isProjects(function);
}

const std::vector<const clang::FunctionDecl*>& LibraryCalls::reachedFrom(const clang::FunctionDecl* entry) {
  entry = entry->getCanonicalDecl();
  auto found = reached_.find(entry);
  if (found != reached_.end()) return found->second;
  // Breadth first with a mark per function: library code recurses
  // (sorting, trees), and a chain of any depth costs no stack.
  std::vector<const clang::FunctionDecl*> reached;
  llvm::DenseSet<const clang::FunctionDecl*> seen{entry};
  llvm::DenseSet<const clang::FunctionDecl*> reachedSet;
  std::vector<const clang::FunctionDecl*> queue{entry};
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const Callees& calls = callees(queue[next]);
    for (const clang::FunctionDecl* callee : calls.project)
      if (reachedSet.insert(callee).second) reached.push_back(callee);
    for (const clang::FunctionDecl* callee : calls.library)
      if (seen.insert(callee).second) queue.push_back(callee);
  }
  return reached_[entry] = std::move(reached);
}

const LibraryCalls::Callees& LibraryCalls::callees(const clang::FunctionDecl* function) {
  auto found = callees_.find(function);
  if (found != callees_.end()) return found->second;
  Callees calls;
  const clang::FunctionDecl* definition = nullptr;
  if (function->hasBody(definition) && definition) {
    if (const auto* constructor = llvm::dyn_cast<clang::CXXConstructorDecl>(definition))
      for (const clang::CXXCtorInitializer* init : constructor->inits()) collect(init->getInit(), calls);
    collect(definition->getBody(), calls);
  }
  return callees_[function] = std::move(calls);
}

void LibraryCalls::collect(const clang::Stmt* stmt, Callees& found) {
  if (!stmt) return;
  if (const auto* call = llvm::dyn_cast<clang::CallExpr>(stmt)) {
    note(call->getDirectCallee(), found);
  } else if (const auto* made = llvm::dyn_cast<clang::CXXConstructExpr>(stmt)) {
    note(made->getConstructor(), found);
  } else if (const auto* freed = llvm::dyn_cast<clang::CXXDeleteExpr>(stmt)) {
    // "delete p" in std::default_delete<T> destroys a T.
    if (const clang::CXXRecordDecl* record = freed->getDestroyedType()->getAsCXXRecordDecl())
      if (record->hasDefinition()) note(record->getDestructor(), found);
  }
  for (const clang::Stmt* child : stmt->children()) collect(child, found);
}

void LibraryCalls::note(const clang::FunctionDecl* callee, Callees& found) {
  if (!callee) return;
  if (isProjects(callee)) {
    found.project.push_back(callee);
  } else if (isLibraryInstance(callee)) {
    found.library.push_back(callee->getCanonicalDecl());
  }
}

}  // namespace scan
