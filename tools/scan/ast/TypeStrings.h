// Type strings: one text per type, the same in every unit that writes the
// same type, so that zum can compare declarations by pointer.
//
// The type is taken after every typedef is resolved (size_t and unsigned
// long are one type). Forms:
//   builtin     two letters: "n" signed or plain, "u" unsigned, "f" floating,
//               then the base: vd void, bo _Bool, nc char, sc/uc signed and
//               unsigned char, ns/us short, ni/ui int, nl/ul long, nL/uL long
//               long, nI/uI __int128, ff float, fd double, fL long double
//   qualified   "C" const, "V" volatile in front of the type they qualify
//   pointer     "*" and the pointee: "*Cnc" pointer to const char
//   array       "[" dimension "," element "]", "?" for no or a variable
//               dimension: "[10,[20,ni]]", "[?,ni]"
//   function    "(" parameters joined by "," ")" result; "..." for a
//               variable argument list, "(?)" when there is no prototype:
//               "(*Cnc,...)ni"
//   tag         "{s" struct, "{u" union, "{e" enum, "{c" class, then the
//               tag's name (Names::ofTag) and "}": "{spoint}"
//   bit-field   exactly "nb" or "ub", whatever its declared type
// C++ adds "&" and "&&" references, "M" member pointers, template
// arguments inside tag names ("{cBox<ni>}", "{cstd::vector<nl>}": default
// arguments left out, see Names.h) and a template's type parameters by
// their place in its list ("$0").
#pragma once

#include <clang/AST/ASTContext.h>
#include <clang/AST/Decl.h>

#include <string>
#include <unordered_map>

#include "ast/Names.h"

namespace scan {

class TypeSpeller {
 public:
  TypeSpeller(const clang::ASTContext& context, Names& names) : context_(context), names_(names) {}

  const std::string& of(clang::QualType type);
  // The type string of a field: its type, or "nb"/"ub" for a bit-field.
  std::string ofField(const clang::FieldDecl* field);

 private:
  void append(std::string& out, clang::QualType type);
  void appendArray(std::string& out, const clang::ArrayType* array);
  void appendFunction(std::string& out, const clang::FunctionType* function);

  const clang::ASTContext& context_;
  Names& names_;
  // Keyed by the canonical type with its qualifiers; node-based, so the
  // strings handed out stay where they are.
  std::unordered_map<void*, std::string> cache_;
};

}  // namespace scan
