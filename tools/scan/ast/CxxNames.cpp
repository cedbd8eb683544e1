// The qualified names of C++ declarations (the forms are listed in
// Names.h). Every part of a name comes from the declaration's semantic
// scope, never from where it is written: an out-of-line member definition
// has the name of the member it defines.
#include <clang/AST/DeclCXX.h>
#include <clang/AST/DeclTemplate.h>
#include <clang/Basic/OperatorKinds.h>
#include <clang/Basic/SourceManager.h>

#include "ast/Names.h"
#include "ast/TypeStrings.h"

namespace scan {

namespace {

// C functions keep their plain names, so that a C unit and a C++ unit
// that share one meet in one symbol.
bool hasCLinkage(const clang::FunctionDecl* function) {
  return function->isExternC() || function->isInExternCContext();
}

std::string operatorSymbol(clang::OverloadedOperatorKind kind) {
  switch (kind) {
    // The call operator's parentheses would read as its parameter list.
    case clang::OO_Call: return "call";
    case clang::OO_New: return "new";
    case clang::OO_Delete: return "delete";
    case clang::OO_Array_New: return "new[]";
    case clang::OO_Array_Delete: return "delete[]";
    default: return clang::getOperatorSpelling(kind);
  }
}

std::string parameterNames(const clang::TemplateDecl* pattern) {
  std::string out = "<";
  for (const clang::NamedDecl* parameter : *pattern->getTemplateParameters()) {
    if (out.size() > 1) out += ',';
    out += parameter->getIdentifier() ? recordIdentifier(parameter->getName()) : "?";
  }
  return out + ">";
}

// A const member function that has a twin without const (the same name
// and parameters): the two are told apart by "const" after the list.
bool hasNonConstTwin(const clang::FunctionDecl* function) {
  const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(function);
  if (!method || !method->isConst()) return false;
  const clang::ASTContext& context = method->getASTContext();
  for (const clang::NamedDecl* found : method->getParent()->lookup(method->getDeclName())) {
    const auto* other = llvm::dyn_cast<clang::CXXMethodDecl>(found->getAsFunction());
    if (!other || other->isConst() || other->getNumParams() != method->getNumParams()) continue;
    bool same = true;
    for (unsigned i = 0; same && i < method->getNumParams(); ++i)
      same = context.hasSameUnqualifiedType(method->getParamDecl(i)->getType(), other->getParamDecl(i)->getType());
    if (same) return true;
  }
  return false;
}

}  // namespace

std::string Names::prefix(const clang::DeclContext* context) {
  std::string scope = scopeName(context);
  return scope.empty() ? scope : scope + "::";
}

std::string Names::scopeName(const clang::DeclContext* context) {
  for (; context; context = context->getParent()) {
    if (context->isTranslationUnit()) return {};
    if (const auto* space = llvm::dyn_cast<clang::NamespaceDecl>(context)) {
      if (space->isAnonymousNamespace()) return scopeName(space->getParent()) + "::@UN" + unitTag_;
      // An inline namespace is a detail of versioning, not of the name.
      if (space->isInline()) continue;
      return prefix(space->getParent()) + recordIdentifier(space->getName());
    }
    if (const auto* tag = llvm::dyn_cast<clang::TagDecl>(context)) return ofTag(tag);
    if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(context)) return of(function);
    // Linkage specifications, blocks and the like add nothing.
  }
  return {};
}

std::string Names::templateArguments(const clang::TemplateArgumentList& arguments) {
  std::string out = "<";
  for (unsigned i = 0; i < arguments.size(); ++i) {
    if (i > 0) out += ',';
    const clang::TemplateArgument& argument = arguments[i];
    switch (argument.getKind()) {
      case clang::TemplateArgument::Type: out += types_->of(argument.getAsType()); break;
      case clang::TemplateArgument::Integral: {
        llvm::SmallString<24> value;
        argument.getAsIntegral().toString(value, 10);
        out += value.str();
        break;
      }
      case clang::TemplateArgument::Declaration: out += of(argument.getAsDecl()); break;
      case clang::TemplateArgument::NullPtr: out += "nullptr"; break;
      default: out += '?'; break;
    }
  }
  return out + ">";
}

std::string Names::functionIdentifier(const clang::FunctionDecl* function) {
  std::string identifier;
  if (llvm::isa<clang::CXXConstructorDecl>(function)) {
    identifier = "@constructor";
  } else if (llvm::isa<clang::CXXDestructorDecl>(function)) {
    identifier = "@destructor";
  } else if (const auto* conversion = llvm::dyn_cast<clang::CXXConversionDecl>(function)) {
    identifier = "cast" + types_->of(conversion->getConversionType()) + "@";
  } else if (function->isOverloadedOperator()) {
    identifier = operatorSymbol(function->getOverloadedOperator()) + "@";
  } else {
    identifier = recordIdentifier(function->getName());
  }
  if (const clang::TemplateArgumentList* arguments = function->getTemplateSpecializationArgs())
    identifier += templateArguments(*arguments);
  else if (const clang::FunctionTemplateDecl* pattern = function->getDescribedFunctionTemplate())
    identifier += parameterNames(pattern);
  identifier += '(';
  const auto* constructor = llvm::dyn_cast<clang::CXXConstructorDecl>(function);
  if (constructor && constructor->isImplicit() && constructor->isCopyConstructor()) identifier += ',';
  bool first = true;
  for (const clang::ParmVarDecl* parameter : function->parameters()) {
    if (!first) identifier += ',';
    first = false;
    identifier += types_->of(parameter->getType().getCanonicalType().getUnqualifiedType());
  }
  if (function->isVariadic()) identifier += first ? "..." : ",...";
  identifier += ')';
  if (hasNonConstTwin(function)) identifier += "const";
  return identifier;
}

std::string Names::computeCxx(const clang::NamedDecl* decl) {
  if (const auto* tag = llvm::dyn_cast<clang::TagDecl>(decl)) return ofTag(tag);
  if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(decl)) {
    if (hasCLinkage(function) && function->getIdentifier()) return recordIdentifier(function->getName());
    return prefix(function->getDeclContext()) + functionIdentifier(function);
  }
  const std::string identifier = recordIdentifier(decl->getName());
  if (const auto* parameter = llvm::dyn_cast<clang::ParmVarDecl>(decl)) {
    if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(parameter->getDeclContext()))
      return of(function) + "::" + identifier;
    return identifier;
  }
  if (const auto* variable = llvm::dyn_cast<clang::VarDecl>(decl); variable && variable->isExternC())
    return identifier;
  if (const auto* enumerator = llvm::dyn_cast<clang::EnumConstantDecl>(decl)) {
    // A scoped enumeration's values are its own; the others belong where
    // their enumeration is.
    const auto* enumeration = llvm::cast<clang::EnumDecl>(enumerator->getDeclContext());
    if (enumeration->isScoped()) return ofTag(enumeration) + "::" + identifier;
    return prefix(enumeration->getDeclContext()) + identifier;
  }
  return prefix(decl->getDeclContext()) + identifier;
}

std::string Names::computeCxxTag(const clang::TagDecl* tag) {
  std::string name;
  if (tag->getIdentifier()) {
    name = recordIdentifier(tag->getName());
  } else if (const clang::TypedefNameDecl* typedefName = tag->getTypedefNameForAnonDecl()) {
    return prefix(typedefName->getDeclContext()) + recordIdentifier(typedefName->getName());
  } else {
    const clang::SourceLocation at = sources_.getExpansionLoc(tag->getLocation());
    name = "@unnamed_" + std::to_string(sources_.getExpansionLineNumber(at)) + "_" +
           std::to_string(sources_.getExpansionColumnNumber(at));
  }
  if (const auto* specialisation = llvm::dyn_cast<clang::ClassTemplateSpecializationDecl>(tag))
    name += templateArguments(specialisation->getTemplateArgs());
  else if (const auto* record = llvm::dyn_cast<clang::CXXRecordDecl>(tag))
    if (const clang::ClassTemplateDecl* pattern = record->getDescribedClassTemplate()) name += parameterNames(pattern);
  return prefix(tag->getDeclContext()) + name;
}

}  // namespace scan
