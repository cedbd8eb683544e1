// The qualified names the records carry. In C a name is the identifier,
// prefixed with the enclosing function for what is declared inside one
// ("f::count", parameters "f::argc", labels "f::done"), and members with
// their struct or union ("point::x"). A tag without a name takes the name
// of the typedef that names it, else "@unnamed_<line>_<column>" (an
// anonymous member struct or union under its parent). Names are the same
// in every unit that sees the same declaration, which is what lets zum
// join them into one project symbol.
//
// Identifiers are written in UTF-8, except characters whose encoding holds
// a byte from 0x8C to 0x90: zum uses those bytes to mark the lists inside
// names, so such a character is written as \uXXXX.
#pragma once

#include <clang/AST/Decl.h>
#include <unordered_map>

#include <string>

namespace scan {

class Names {
 public:
  explicit Names(const clang::SourceManager& sources) : sources_(sources) {}

  const std::string& of(const clang::NamedDecl* decl);
  // The name of a tag, as its record and every type string name it.
  const std::string& ofTag(const clang::TagDecl* tag);

 private:
  std::string compute(const clang::NamedDecl* decl);
  std::string computeTag(const clang::TagDecl* tag);
  // "f::" when `decl` is declared inside function f, else "".
  std::string functionPrefix(const clang::Decl* decl);

  const clang::SourceManager& sources_;
  // Node-based: the names handed out stay where they are.
  std::unordered_map<const clang::Decl*, std::string> cache_;
};

// A function or variable declared inside a function with "extern" (or a
// function prototype there): it names the entity of the file scope.
inline bool isBlockExtern(const clang::Decl* decl) {
  // clang asks this of a mutable declaration only; it changes nothing.
  return const_cast<clang::Decl*>(decl)->isLocalExternDecl();
}

// `name` with the characters zum cannot carry written as \uXXXX.
std::string recordIdentifier(llvm::StringRef name);

}  // namespace scan
