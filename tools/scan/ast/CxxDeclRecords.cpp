// DEFINE records of C++: namespaces' members, classes with their bases and
// members (access, static, virtual, pure, inline, POD and aggregate flags),
// member functions with their get and set accessors marked, and the
// members the compiler declares itself.
//
// A class is written in two passes: first every member, then the bodies of
// the member functions defined inside it, because a body may use members
// declared below it and zum only resolves names declared before.
#include <clang/AST/DeclCXX.h>
#include <clang/AST/StmtCXX.h>

#include "ast/RecordMaker.h"
#include "core/Records.h"

namespace scan {

namespace {

// "return m_x;" (G, a get accessor) or "m_x = value;" (T, a set accessor):
// the only statement of a member function, on a data member of its class.
char accessorMark(const clang::CXXMethodDecl* method) {
  const auto* body = llvm::dyn_cast_or_null<clang::CompoundStmt>(method->getBody());
  if (!body || body->size() != 1 || method->isStatic()) return 0;
  const auto* member = [&]() -> const clang::MemberExpr* {
    const clang::Stmt* only = body->body_front();
    if (const auto* ret = llvm::dyn_cast<clang::ReturnStmt>(only)) {
      if (method->getNumParams() != 0 || !ret->getRetValue()) return nullptr;
      return llvm::dyn_cast<clang::MemberExpr>(ret->getRetValue()->IgnoreImplicit());
    }
    const auto* assign = llvm::dyn_cast<clang::BinaryOperator>(only);
    if (!assign || assign->getOpcode() != clang::BO_Assign || method->getNumParams() != 1) return nullptr;
    return llvm::dyn_cast<clang::MemberExpr>(assign->getLHS()->IgnoreImplicit());
  }();
  if (!member || !llvm::isa<clang::FieldDecl>(member->getMemberDecl()) ||
      !llvm::isa<clang::CXXThisExpr>(member->getBase()->IgnoreImplicit()))
    return 0;
  return llvm::isa<clang::ReturnStmt>(body->body_front()) ? 'G' : 'T';
}

bool isMoveFunction(const clang::CXXMethodDecl* method) {
  if (const auto* constructor = llvm::dyn_cast<clang::CXXConstructorDecl>(method))
    return constructor->isMoveConstructor();
  return method->isMoveAssignmentOperator();
}

}  // namespace

char RecordMaker::scopeOf(const clang::Decl* decl) {
  const clang::DeclContext* context = decl->getDeclContext();
  while (llvm::isa<clang::LinkageSpecDecl>(context)) context = context->getParent();
  if (context->isRecord()) return 'C';
  if (context->isFunctionOrMethod()) return 'B';
  if (context->isNamespace()) return 'S';
  return 'F';
}

std::string RecordMaker::accessFlag(const clang::Decl* decl) {
  if (!decl->getDeclContext()->isRecord()) return {};
  // Written under an access specifier: explicit; else the default of a
  // class (private) or struct (public), or a member the compiler declared.
  const auto* owner = llvm::cast<clang::RecordDecl>(decl->getDeclContext());
  bool specified = false;
  for (const clang::Decl* member : owner->decls()) {
    if (member == decl) break;
    if (llvm::isa<clang::AccessSpecDecl>(member)) specified = true;
  }
  if (decl->isImplicit()) specified = false;
  switch (decl->getAccess()) {
    case clang::AS_public: return specified ? "1" : "5";
    case clang::AS_protected: return "2";
    case clang::AS_private: return specified ? "3" : "7";
    default: return {};
  }
}

std::string RecordMaker::functionFlags(const clang::FunctionDecl* decl) {
  std::string flags;
  if (decl->isInlined()) flags += 'I';
  if (const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(decl)) {
    if (method->isVirtual()) flags += 'V';
    if (method->isPure()) flags += 'P';
    if (method->isStatic()) flags += 'S';
    if (const clang::FunctionDecl* definition = method->getDefinition())
      if (char mark = accessorMark(llvm::cast<clang::CXXMethodDecl>(definition))) flags += mark;
    flags += accessFlag(method->getCanonicalDecl());
  }
  return flags;
}

void RecordMaker::namespaceMembers(const clang::NamespaceDecl* space) {
  for (const clang::Decl* decl : space->decls()) {
    if (decl->isImplicit()) continue;
    if (const auto* inner = llvm::dyn_cast<clang::NamespaceDecl>(decl)) {
      namespaceMembers(inner);
      continue;
    }
    if (const auto* linkageSpec = llvm::dyn_cast<clang::LinkageSpecDecl>(decl)) {
      declarations(linkageSpec);
      continue;
    }
    const clang::SourceLocation at = sources_.getExpansionLoc(decl->getBeginLoc());
    if (!places_.expansion(at)) continue;
    out_ = &output_.declarationPiece(at);
    declaration(decl, nullptr);
  }
}

void RecordMaker::cxxClass(const clang::CXXRecordDecl* decl, Walk* walk) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place || decl->isLambda()) return;
  const std::string& name = names_.ofTag(decl);
  const std::string& type = types_.of(context_.getRecordType(decl));
  const char scope = walk ? 'B' : scopeOf(decl);
  const std::string access = accessFlag(decl);
  // A class is one entity in every unit that defines it (the linker's
  // view), unless it is local to a function or an unnamed namespace.
  const char linkage = linkageLetter(decl);
  const bool first = declared_.insert(decl->getCanonicalDecl()).second;
  if (!decl->isThisDeclarationADefinition()) {
    writeDefine(name, place, first ? 'C' : 'R', "TG", scope, linkage, type, access.c_str());
    return;
  }
  std::string flags = access;
  if (decl->isPOD()) flags += 'D';
  if (decl->isAggregate()) flags += 'A';
  // A partial specialisation is marked "P", an explicit one "X".
  if (llvm::isa<clang::ClassTemplatePartialSpecializationDecl>(decl)) {
    writeDefine(name, place, 'P', "TG", scope, linkage, type, flags.c_str());
  } else if (llvm::isa<clang::ClassTemplateSpecializationDecl>(decl)) {
    writeDefine(name, place, 'X', "TG", scope, linkage, type, flags.c_str());
  } else {
    if (first) writeDefine(name, place, 'C', "TG", scope, linkage, type, flags.c_str());
    writeDefine(name, place, 'F', "TG", scope, linkage, type, flags.c_str());
  }
  baseRelations(decl, name);
  std::vector<const clang::FunctionDecl*> bodies;
  std::vector<const clang::FunctionTemplateDecl*> memberTemplates;
  for (const clang::Decl* member : decl->decls()) {
    if (member->isImplicit()) continue;
    const auto* memberTemplate = llvm::dyn_cast<clang::FunctionTemplateDecl>(member);
    if (memberTemplate) {
      memberTemplates.push_back(memberTemplate);
      member = memberTemplate->getTemplatedDecl();
    }
    if (const auto* fieldDecl = llvm::dyn_cast<clang::FieldDecl>(member)) {
      field(fieldDecl, name);
    } else if (const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(member)) {
      function(method, false);
      if (method->doesThisDeclarationHaveABody()) bodies.push_back(method);
    } else if (const auto* variable = llvm::dyn_cast<clang::VarDecl>(member)) {
      fileVariable(variable);
    } else if (llvm::isa<clang::TagDecl>(member) || llvm::isa<clang::TypedefNameDecl>(member)) {
      declaration(member, walk);
    }
  }
  implicitMembers(decl);
  for (const clang::FunctionDecl* method : bodies) function(method, true);
  for (const clang::FunctionTemplateDecl* memberTemplate : memberTemplates) templateInstances(memberTemplate);
}

// clang 14's inline accessor of a class's bases holds a branch that reads
// through a null source, on a path that a definition's bases never take;
// g++ at -O2 cannot see that the path is dead and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull"
void RecordMaker::baseRelations(const clang::CXXRecordDecl* decl, const std::string& name) {
  for (const clang::CXXBaseSpecifier& base : decl->bases()) {
    const clang::CXXRecordDecl* baseClass = base.getType()->getAsCXXRecordDecl();
    const Place at = places_.expansion(base.getBeginLoc());
    if (baseClass && at && ensureDeclared(baseClass))
      scan::writeRelation(out(), 'B', names_.ofTag(baseClass), name, at.line, base.isVirtual() ? "V" : "");
  }
}
#pragma GCC diagnostic pop

void RecordMaker::implicitMembers(const clang::CXXRecordDecl* decl) {
  // One that something uses is written where the project uses it; a use
  // only the standard library's code makes is none zum could see, and the
  // member must not pass for unused. An unused implicit default
  // constructor is no finding: it is written only where it is called.
  for (const clang::Decl* member : decl->decls()) {
    const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(member);
    if (!method || !method->isImplicit() || method->isUsed()) continue;
    if (const auto* constructor = llvm::dyn_cast<clang::CXXConstructorDecl>(method);
        constructor && constructor->isDefaultConstructor())
      continue;
    ensureDeclared(method);
  }
}

bool RecordMaker::implicitMember(const clang::CXXMethodDecl* method) {
  // The compiler declares it where its class is. Its move functions are
  // left out: zum takes every implicit assignment for a copy assignment.
  const Place place = places_.expansion(method->getParent()->getLocation());
  if (!place || method->isDeleted() || isMoveFunction(method)) return false;
  writeDefine(names_.of(method), place, 'I', "OF", 'C', linkageLetter(method), types_.of(method->getType()),
              functionFlags(method).c_str());
  declared_.insert(method->getCanonicalDecl());
  return true;
}

// An instance is written where its template is, under its own name with
// the flag "U" (generated from the template by its use); one the code
// asked for by name ("template class Box<int>;") is marked "X".
void RecordMaker::templateInstances(const clang::ClassTemplateDecl* pattern) {
  const clang::CXXRecordDecl* templated = pattern->getTemplatedDecl();
  const Place place = places_.expansion(templated->getLocation());
  if (!place || !templated->isThisDeclarationADefinition()) return;
  for (const clang::ClassTemplateSpecializationDecl* instance : pattern->specializations()) {
    const clang::TemplateSpecializationKind kind = instance->getSpecializationKind();
    if (kind == clang::TSK_ExplicitSpecialization || kind == clang::TSK_Undeclared || !instance->hasDefinition())
      continue;
    std::string flags = accessFlag(templated);
    if (instance->isPOD()) flags += 'D';
    if (instance->isAggregate()) flags += 'A';
    flags += 'U';
    writeDefine(names_.ofTag(instance), place, kind == clang::TSK_ImplicitInstantiation ? 'F' : 'X', "TG",
                scopeOf(templated), linkageLetter(instance), types_.of(context_.getRecordType(instance)), flags.c_str());
    for (const clang::Decl* member : instance->decls())
      if (const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(member))
        if (const clang::FunctionDecl* written = method->getTemplateInstantiationPattern())
          instanceBody(method, written);
  }
}

void RecordMaker::templateInstances(const clang::FunctionTemplateDecl* pattern) {
  // Once, with the template's definition.
  if (!pattern->getTemplatedDecl()->doesThisDeclarationHaveABody()) return;
  for (const clang::FunctionDecl* instance : pattern->specializations())
    if (instance->getTemplateSpecializationKind() != clang::TSK_ExplicitSpecialization)
      instanceBody(instance, pattern->getTemplatedDecl());
}

void RecordMaker::instanceBody(const clang::FunctionDecl* instance, const clang::FunctionDecl* pattern) {
  if (!instance->hasBody() || !instance->getBody() || !declared_.contains(pattern->getCanonicalDecl())) return;
  const Place place = places_.expansion(pattern->getLocation());
  if (!place) return;
  const char code = instance->getTemplateSpecializationKind() == clang::TSK_ImplicitInstantiation ? 'F' : 'X';
  writeDefine(names_.of(instance), place, code, "OF", scopeOf(pattern), linkageLetter(instance),
              types_.of(instance->getType()), (functionFlags(instance) + 'U').c_str());
  FunctionTally tally;
  walkCode(instance, names_.of(pattern), tally);
}

}  // namespace scan
