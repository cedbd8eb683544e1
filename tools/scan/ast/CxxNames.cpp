// The qualified names of C++ declarations (the forms are listed in
// Names.h). Every part of a name comes from the declaration's semantic
// scope, never from where it is written: an out-of-line member definition
// has the name of the member it defines.
#include <clang/AST/ASTContext.h>
#include <clang/AST/DeclCXX.h>
#include <clang/AST/DeclTemplate.h>
#include <clang/Basic/OperatorKinds.h>
#include <clang/Basic/SourceManager.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

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

// An unnamed template parameter is "?". One of a type that depends on the
// others ("std::enable_if<...>::type = 0") is what tells overloads apart
// that differ only in when they apply: "?" and a hash of that type's
// spelling, the same in every unit.
std::string unnamedParameter(const clang::NamedDecl* parameter) {
  const auto* value = llvm::dyn_cast<clang::NonTypeTemplateParmDecl>(parameter);
  if (!value || !value->getType()->isDependentType()) return "?";
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : value->getType().getAsString()) hash = (hash ^ c) * 16777619u;
  char text[10];
  std::snprintf(text, sizeof text, "?%08X", hash);
  return text;
}

std::string parameterNames(const clang::TemplateDecl* pattern) {
  std::string out = "<";
  for (const clang::NamedDecl* parameter : *pattern->getTemplateParameters()) {
    if (out.size() > 1) out += ',';
    out += parameter->getIdentifier() ? recordIdentifier(parameter->getName()) : unnamedParameter(parameter);
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

// Whether `actual` is what the default `pattern` of a template parameter
// gives with the template's arguments `arguments`: "allocator<T>" for
// "allocator<long>" when T is long. Only the shapes defaults take in
// practice are followed (a parameter, a template of parameters, a type
// that depends on nothing); anything else does not match.
bool isDefaultType(clang::QualType pattern, clang::QualType actual, llvm::ArrayRef<clang::TemplateArgument> arguments,
                   const clang::ASTContext& context) {
  pattern = pattern.getCanonicalType();
  actual = actual.getCanonicalType();
  if (!pattern->isDependentType()) return context.hasSameType(pattern, actual);
  const clang::Qualifiers qualifiers = pattern.getLocalQualifiers();
  const clang::Type* bare = pattern.getTypePtr();
  if (const auto* parameter = llvm::dyn_cast<clang::TemplateTypeParmType>(bare)) {
    if (parameter->getDepth() != 0 || parameter->getIndex() >= arguments.size()) return false;
    const clang::TemplateArgument& argument = arguments[parameter->getIndex()];
    return argument.getKind() == clang::TemplateArgument::Type &&
           context.hasSameType(context.getQualifiedType(argument.getAsType(), qualifiers), actual);
  }
  if (qualifiers != actual.getLocalQualifiers()) return false;
  const auto* written = llvm::dyn_cast<clang::TemplateSpecializationType>(bare);
  const auto* record = actual->getAsCXXRecordDecl();
  const auto* instance = llvm::dyn_cast_or_null<clang::ClassTemplateSpecializationDecl>(record);
  if (!written || !instance) return false;
  const clang::TemplateDecl* origin = written->getTemplateName().getAsTemplateDecl();
  if (!origin || origin->getCanonicalDecl() != instance->getSpecializedTemplate()->getCanonicalDecl()) return false;
  const clang::TemplateArgumentList& actualArguments = instance->getTemplateArgs();
  if (written->getNumArgs() != actualArguments.size()) return false;
  for (unsigned i = 0; i < actualArguments.size(); ++i) {
    const clang::TemplateArgument& argument = written->getArg(i);
    if (argument.getKind() != clang::TemplateArgument::Type ||
        actualArguments[i].getKind() != clang::TemplateArgument::Type ||
        !isDefaultType(argument.getAsType(), actualArguments[i].getAsType(), arguments, context))
      return false;
  }
  return true;
}

// How many of a class template instance's arguments its name shows: the
// trailing ones that are their parameter's default are left out, so that
// "std::vector<long>" reads as it is written, the same in every unit.
unsigned shownArguments(const clang::ClassTemplateSpecializationDecl* instance) {
  const clang::TemplateParameterList* parameters = instance->getSpecializedTemplate()->getTemplateParameters();
  const clang::TemplateArgumentList& arguments = instance->getTemplateArgs();
  const clang::ASTContext& context = instance->getASTContext();
  unsigned shown = arguments.size();
  while (shown > 0 && shown <= parameters->size()) {
    const auto* parameter = llvm::dyn_cast<clang::TemplateTypeParmDecl>(parameters->getParam(shown - 1));
    const clang::TemplateArgument& argument = arguments[shown - 1];
    if (!parameter || !parameter->hasDefaultArgument() || argument.getKind() != clang::TemplateArgument::Type ||
        !isDefaultType(parameter->getDefaultArgument(), argument.getAsType(), arguments.asArray(), context))
      break;
    --shown;
  }
  return shown;
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

std::string Names::templateArguments(const clang::TemplateArgumentList& arguments, unsigned shown) {
  std::string out = "<";
  for (unsigned i = 0; i < std::min(shown, arguments.size()); ++i) {
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
    // Declared inside a function, it is the function of the enclosing namespace.
    if (isBlockExtern(function))
      return prefix(function->getDeclContext()->getEnclosingNamespaceContext()) + functionIdentifier(function);
    return prefix(function->getDeclContext()) + functionIdentifier(function);
  }
  const std::string identifier = recordIdentifier(decl->getName());
  if (const auto* parameter = llvm::dyn_cast<clang::ParmVarDecl>(decl)) {
    if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(parameter->getDeclContext()))
      return of(function) + "::" + identifier;
    return identifier;
  }
  // "extern int count;" inside a function is named in the function, as in
  // C; its record links it to the object it names (externTarget).
  if (isBlockExtern(decl)) return prefix(decl->getLexicalDeclContext()) + identifier;
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

std::string Names::externTarget(const clang::VarDecl* decl) {
  const std::string identifier = recordIdentifier(decl->getName());
  if (!cxx() || decl->isExternC()) return identifier;
  return prefix(decl->getDeclContext()->getEnclosingNamespaceContext()) + identifier;
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
    name += templateArguments(specialisation->getTemplateArgs(), shownArguments(specialisation));
  else if (const auto* record = llvm::dyn_cast<clang::CXXRecordDecl>(tag))
    if (const clang::ClassTemplateDecl* pattern = record->getDescribedClassTemplate()) name += parameterNames(pattern);
  return prefix(tag->getDeclContext()) + name;
}

}  // namespace scan
