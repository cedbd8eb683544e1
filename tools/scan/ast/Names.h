// The qualified names the records carry. In C a name is the identifier,
// prefixed with the enclosing function for what is declared inside one
// ("f::count", parameters "f::argc", labels "f::done"), and members with
// their struct or union ("point::x"). A tag without a name takes the name
// of the typedef that names it, else "@unnamed_<line>_<column>" (an
// anonymous member struct or union under its parent). Names are the same
// in every unit that sees the same declaration, which is what lets zum
// join them into one project symbol.
//
// C++ qualifies names by their namespaces and classes ("ns::Account::m_id").
// A function with C++ linkage carries its parameter types, as type strings,
// so that overloads are different names: "ns::Account::deposit({cMoney})".
// Constructors are "@constructor(...)", destructors "@destructor()",
// operators their symbol before "@" ("=@(&C{cMoney})"); the implicit copy
// constructor's list opens with a comma ("@constructor(,&C{cMoney})"), a
// const member function with a twin that is not const ends in "const". An
// unnamed namespace is "::@UN" and a tag of the unit's main file, different
// in every unit as its contents are. A class template specialisation
// carries its arguments, without the trailing ones that are their
// parameter's default: "Box<ni>", "std::vector<nl>" (not with its
// allocator). A variable declared "extern" inside a function is named in
// the function ("ns::f()::count"); a function declared there is the one of
// the enclosing namespace.
//
// Identifiers are written in UTF-8, except characters whose encoding holds
// a byte from 0x8C to 0x90: zum uses those bytes to mark the lists inside
// names, so such a character is written as \uXXXX.
#pragma once

#include <clang/AST/Decl.h>
#include <clang/AST/DeclTemplate.h>

#include <unordered_map>

#include <string>

namespace scan {

class TypeSpeller;

class Names {
 public:
  explicit Names(const clang::SourceManager& sources) : sources_(sources) {}
  // C++ names: parameter types are spelled by `types`; `unitTag` tells the
  // unit's unnamed namespaces from every other unit's.
  void useCxx(TypeSpeller& types, std::string unitTag) {
    types_ = &types;
    unitTag_ = std::move(unitTag);
  }
  bool cxx() const { return types_ != nullptr; }

  const std::string& of(const clang::NamedDecl* decl);
  // The name of a tag, as its record and every type string name it.
  const std::string& ofTag(const clang::TagDecl* tag);
  // The object a variable declared "extern" inside a function names: in
  // C++ the one of the enclosing namespace ("ns::count").
  std::string externTarget(const clang::VarDecl* decl);

 private:
  std::string compute(const clang::NamedDecl* decl);
  std::string computeTag(const clang::TagDecl* tag);
  // "f::" when `decl` is declared inside function f, else "".
  std::string functionPrefix(const clang::Decl* decl);
  // ---- C++ (CxxNames.cpp)
  std::string computeCxx(const clang::NamedDecl* decl);
  std::string computeCxxTag(const clang::TagDecl* tag);
  // The qualified name of a scope, "" for the file's scope.
  std::string scopeName(const clang::DeclContext* context);
  std::string prefix(const clang::DeclContext* context);
  std::string functionIdentifier(const clang::FunctionDecl* function);
  std::string templateArguments(const clang::TemplateArgumentList& arguments, unsigned shown = ~0u);

  const clang::SourceManager& sources_;
  TypeSpeller* types_ = nullptr;
  std::string unitTag_;
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
