// Makes the records of one unit from its AST, organised by construct:
// declarations (DeclRecords.cpp), function bodies with their uses, calls
// and allocations (BodyRecords.cpp), literals (LiteralRecords.cpp) and
// control graphs with the function metrics (FunctionMetrics.cpp).
//
// The one rule every record follows: a name is declared in the unit's
// records before any record refers to it, because zum resolves names
// through what the same source declared earlier. Declarations are written
// in the order the unit reads them; a record about something not written
// yet (an implicitly declared function, say) writes its declaration first.
// Only the project's own declarations are written: nothing from system
// headers, and no use of something that only a system header declares.
#pragma once

#include <clang/AST/ASTContext.h>
#include <clang/AST/Decl.h>
#include <clang/AST/DeclCXX.h>
#include <clang/AST/Expr.h>
#include <clang/AST/ExprCXX.h>
#include <clang/AST/Stmt.h>
#include <llvm/ADT/DenseMap.h>
#include <llvm/ADT/DenseSet.h>

#include <string>
#include <unordered_set>
#include <vector>

#include "ast/LibraryCalls.h"
#include "ast/Literals.h"
#include "ast/Names.h"
#include "ast/SourcePlaces.h"
#include "ast/TypeStrings.h"
#include "ast/UnitOutput.h"
#include "core/ErrorFile.h"
#include "core/Records.h"

namespace scan {

// X external, I internal, N none.
char linkageLetter(const clang::NamedDecl* decl);
// A function of a template's instance: the template's function it came from.
const clang::FunctionDecl* written(const clang::FunctionDecl* function);
const clang::NamedDecl* written(const clang::NamedDecl* decl);

// What the scan of a unit found besides the metric file's records.
struct UnitFindings {
  std::vector<UnitDiagnostic> diagnostics;
};

class RecordMaker {
 public:
  RecordMaker(clang::ASTContext& context, SourcePlaces& places, Names& names, TypeSpeller& types,
              LiteralWriter& literals, UnitOutput& output, UnitFindings& findings);

  // Writes the records of every declaration of the unit, then the file
  // metrics and the unit's own diagnostics.
  void run();

 private:
  // How an expression uses what it names.
  enum class Access { Read, Write, ReadWrite, Address };

  // Counts kept while a function body is walked.
  struct FunctionTally {
    int decisions = 0;  // branches: cyclomatic complexity is this plus one
    int calls = 0;
    // Relations already written for this function: each is written once.
    std::unordered_set<std::string> relations;
  };

  // Where the walk is: whose uses it records and how.
  struct Walk {
    const clang::FunctionDecl* function = nullptr;  // null outside bodies
    const std::string* owner = nullptr;  // object of the records: the function, or the initialised variable
    bool initialiser = false;            // uses are initialiser dependencies (EXTV records)
    FunctionTally* tally = nullptr;      // null outside bodies
    char scope = 'F';                    // scope letter of literals met
  };

  // ---- declarations (DeclRecords.cpp)
  // `walk` is the body a declaration stands in, null at file scope.
  void declarations(const clang::DeclContext* context);
  void declaration(const clang::Decl* decl, Walk* walk);
  void function(const clang::FunctionDecl* decl, bool bodyPass = false);
  void parameters(const clang::FunctionDecl* decl, char code);
  void fileVariable(const clang::VarDecl* decl);
  void localVariable(const clang::VarDecl* decl, Walk& walk);
  void blockExtern(const clang::VarDecl* decl);
  void typedefName(const clang::TypedefNameDecl* decl, Walk* walk);
  void record(const clang::RecordDecl* decl, Walk* walk);
  void field(const clang::FieldDecl* decl, const std::string& owner);
  void enumeration(const clang::EnumDecl* decl, Walk* walk);
  // ---- C++ declarations (CxxDeclRecords.cpp)
  void namespaceMembers(const clang::NamespaceDecl* space);
  void cxxClass(const clang::CXXRecordDecl* decl, Walk* walk);
  // "B" relations of the class `name` to its bases.
  void baseRelations(const clang::CXXRecordDecl* decl, const std::string& name);
  // The members the compiler declared for the class: written as implicit.
  void implicitMembers(const clang::CXXRecordDecl* decl);
  // The code of a template's instances, walked in the names of the
  // template's functions: what an instance calls, the template calls.
  void templateInstances(const clang::ClassTemplateDecl* pattern);
  void templateInstances(const clang::FunctionTemplateDecl* pattern);
  void instanceBody(const clang::FunctionDecl* instance, const clang::FunctionDecl* pattern);
  bool implicitMember(const clang::CXXMethodDecl* method);
  // The scope letter of a C++ declaration: C class, B block, S namespace, F file.
  static char scopeOf(const clang::Decl* decl);
  // "1" "2" "3" under an access specifier, "5" "7" by default; "" outside classes.
  static std::string accessFlag(const clang::Decl* decl);
  static std::string functionFlags(const clang::FunctionDecl* decl);
  // Literals in the array dimensions of a declared type.
  void dimensions(const clang::TypeSourceInfo* info, Walk& walk);
  // Writes the declaration of `decl` unless the unit wrote it already;
  // false when it is not the project's (nothing may refer to it).
  bool ensureDeclared(const clang::NamedDecl* decl);
  void writeDefine(const std::string& name, const Place& place, char code, const char* space, char scope,
                   char linkage, const std::string& type, const char* flags);

  // ---- bodies (BodyRecords.cpp)
  void body(const clang::FunctionDecl* decl);
  // Walks the code of `function` (its constructor initialisers, then its
  // body) for the records of `owner`, counting into `tally`.
  void walkCode(const clang::FunctionDecl* function, const std::string& owner, FunctionTally& tally);
  void statement(const clang::Stmt* stmt, Walk& walk);
  void expression(const clang::Expr* expr, Access access, char context, Walk& walk);
  void initialiser(const clang::Expr* init, const clang::VarDecl* variable, Walk& walk);
  void call(const clang::CallExpr* call, Walk& walk);
  void use(const clang::NamedDecl* used, clang::SourceLocation at, Access access, Walk& walk);
  // "C" and "X" relations of the walk's owner to `callee`, called at `at`;
  // `use` marks the callee used by the unit. False when nothing is written.
  bool calledAt(const clang::FunctionDecl* callee, clang::SourceLocation at, const char* flags, bool use, Walk& walk);
  // A call of a library template's instance: the project's functions that
  // its code calls are called at `at` (LibraryCalls.h).
  // An object of `type` destroyed at `at`: its destructor is called
  // (virtually when through a pointer and the destructor is virtual).
  void destroyed(clang::QualType type, clang::SourceLocation at, bool throughPointer, Walk& walk);
  void throughLibrary(const clang::FunctionDecl* entry, clang::SourceLocation at, Walk& walk);
  void allocation(const clang::CallExpr* call, const clang::Expr* result, Walk& walk);
  // C++: the constructor's member and base initialisers, constructions,
  // new and delete (of the object that holds the pointer, else the class).
  void initialisers(const clang::CXXConstructorDecl* constructor, Walk& walk);
  void construction(const clang::CXXConstructExpr* made, Walk& walk);
  void newAllocation(const clang::CXXNewExpr* made, Walk& walk);
  void allocationOf(const clang::Expr* object, AllocKind kind, clang::SourceLocation at, Walk& walk);
  void allocationOf(const clang::NamedDecl* object, AllocKind kind, clang::SourceLocation at, Walk& walk);
  void relation(char kind, const std::string& subject, int line, const char* flags, Walk& walk);
  // One more way through the function (cyclomatic complexity).
  static void branch(Walk& walk);

  // ---- literals (LiteralRecords.cpp)
  void literal(const clang::Expr* expr, char context, char sign, const Walk& walk);

  // ---- function metrics and control graph (FunctionMetrics.cpp)
  void functionMetrics(const clang::FunctionDecl* decl, const FunctionTally& tally);
  void controlGraph(const clang::FunctionDecl* decl);
  void fileMetrics();
  void unusedInternalFunctions();

  std::string& out() { return *out_; }

  clang::ASTContext& context_;
  const clang::SourceManager& sources_;
  SourcePlaces& places_;
  UnitOutput& output_;
  UnitFindings& findings_;
  Names& names_;
  TypeSpeller& types_;
  LiteralWriter& literals_;
  LibraryCalls library_;
  std::string* out_ = nullptr;  // the piece being written

  llvm::DenseSet<const clang::Decl*> declared_;   // entities whose declaration is written (canonical)
  llvm::DenseSet<const clang::Decl*> used_;       // functions something in the unit uses (canonical)
  llvm::DenseSet<const clang::CallExpr*> allocationsTyped_;  // allocations whose result says the type
  // The variable or member that receives what a new expression allocates.
  llvm::DenseMap<const clang::CXXNewExpr*, const clang::NamedDecl*> allocationTargets_;
  std::vector<const clang::FunctionDecl*> internalDefinitions_;  // in the unit's own source
};

}  // namespace scan
