// LIT records: every literal constant of the project's files, once per
// place. A literal written in a macro definition is recorded there (context
// "M"), with the type its token has on its own; where the macro is
// expanded it is not recorded again. Literals of the code carry the type
// the compiler gave them and the context they stand in.
#pragma once

#include <clang/AST/ASTContext.h>
#include <clang/AST/Expr.h>
#include <clang/Basic/Diagnostic.h>
#include <clang/Lex/Token.h>
#include <llvm/ADT/DenseSet.h>

#include <optional>
#include <string>

#include "ast/SourcePlaces.h"
#include "ast/TypeStrings.h"

namespace scan {

class LiteralWriter {
 public:
  LiteralWriter(clang::ASTContext& context, SourcePlaces& places, TypeSpeller& types);

  // A literal token of a macro definition ("M") or of a preprocessor
  // expression ("P"); other tokens are passed over.
  void token(std::string& out, const clang::Token& token, char context);
  // A literal expression of the AST; `sign` is "N" or "P" under a unary
  // minus or plus, else "-".
  void expression(std::string& out, const clang::Expr* literal, char context, char sign, char scope);

 private:
  void write(std::string& out, clang::SourceLocation at, const std::string& type, char context, char sign,
             char scope);
  std::optional<clang::QualType> numberType(llvm::StringRef spelling, clang::SourceLocation at);
  std::optional<clang::QualType> quotedType(const clang::Token& token);

  clang::ASTContext& context_;
  const clang::SourceManager& sources_;
  SourcePlaces& places_;
  TypeSpeller& types_;
  // Literals in macro definitions are lexed again to learn their type; the
  // lexer's complaints about a malformed one go nowhere.
  clang::IgnoringDiagConsumer ignore_;
  clang::DiagnosticsEngine quiet_;
  llvm::DenseSet<unsigned> inMacros_;  // spelling places of macro literals
  llvm::DenseSet<unsigned> written_;   // spelling places already written
};

}  // namespace scan
