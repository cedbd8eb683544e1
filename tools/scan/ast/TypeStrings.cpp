#include "ast/TypeStrings.h"

#include <clang/AST/DeclCXX.h>
#include <clang/AST/Type.h>

namespace scan {

namespace {

const char* builtinCode(clang::BuiltinType::Kind kind) {
  using K = clang::BuiltinType::Kind;
  switch (kind) {
    case K::Void: return "vd";
    case K::Bool: return "bo";
    case K::Char_U:
    case K::Char_S: return "nc";
    case K::SChar: return "sc";
    case K::UChar: return "uc";
    case K::WChar_U:
    case K::WChar_S: return "nw";
    case K::Char8: return "c8";
    case K::Char16: return "c1";
    case K::Char32: return "c3";
    case K::Short: return "ns";
    case K::UShort: return "us";
    case K::Int: return "ni";
    case K::UInt: return "ui";
    case K::Long: return "nl";
    case K::ULong: return "ul";
    case K::LongLong: return "nL";
    case K::ULongLong: return "uL";
    case K::Int128: return "nI";
    case K::UInt128: return "uI";
    case K::Half: return "fh";
    case K::Float16: return "f6";
    case K::BFloat16: return "fb";
    case K::Float: return "ff";
    case K::Double: return "fd";
    case K::LongDouble: return "fL";
    case K::Float128: return "fQ";
    case K::NullPtr: return "np";
    default: return "??";
  }
}

char tagLetter(const clang::TagDecl* tag) {
  switch (tag->getTagKind()) {
    case clang::TTK_Struct: return 's';
    case clang::TTK_Union: return 'u';
    case clang::TTK_Enum: return 'e';
    default: return 'c';
  }
}

}  // namespace

const std::string& TypeSpeller::of(clang::QualType type) {
  clang::QualType canonical = type.getCanonicalType();
  auto found = cache_.find(canonical.getAsOpaquePtr());
  if (found != cache_.end()) return found->second;
  std::string text;
  append(text, canonical);
  return cache_.emplace(canonical.getAsOpaquePtr(), std::move(text)).first->second;
}

std::string TypeSpeller::ofField(const clang::FieldDecl* field) {
  if (!field->isBitField()) return of(field->getType());
  clang::QualType type = field->getType().getCanonicalType();
  if (const auto* enumeration = type->getAs<clang::EnumType>()) type = enumeration->getDecl()->getIntegerType();
  return type->isUnsignedIntegerOrEnumerationType() ? "ub" : "nb";
}

void TypeSpeller::append(std::string& out, clang::QualType type) {
  type = type.getCanonicalType();
  // A qualified array is an array of qualified elements.
  if (const clang::ArrayType* array = context_.getAsArrayType(type)) {
    appendArray(out, array);
    return;
  }
  if (type.isLocalConstQualified()) out += 'C';
  if (type.isLocalVolatileQualified()) out += 'V';
  const clang::Type* bare = type.getTypePtr();
  if (const auto* builtin = llvm::dyn_cast<clang::BuiltinType>(bare)) {
    out += builtinCode(builtin->getKind());
  } else if (const auto* pointer = llvm::dyn_cast<clang::PointerType>(bare)) {
    out += '*';
    append(out, pointer->getPointeeType());
  } else if (const auto* reference = llvm::dyn_cast<clang::ReferenceType>(bare)) {
    out += llvm::isa<clang::RValueReferenceType>(bare) ? "&&" : "&";
    append(out, reference->getPointeeType());
  } else if (const auto* function = llvm::dyn_cast<clang::FunctionType>(bare)) {
    appendFunction(out, function);
  } else if (const auto* tag = llvm::dyn_cast<clang::TagType>(bare)) {
    out += '{';
    out += tagLetter(tag->getDecl());
    out += names_.ofTag(tag->getDecl());
    out += '}';
  } else if (const auto* member = llvm::dyn_cast<clang::MemberPointerType>(bare)) {
    out += 'M';
    append(out, clang::QualType(member->getClass(), 0));
    append(out, member->getPointeeType());
  } else if (const auto* injected = llvm::dyn_cast<clang::InjectedClassNameType>(bare)) {
    // The class inside its own template.
    out += '{';
    out += tagLetter(injected->getDecl());
    out += names_.ofTag(injected->getDecl());
    out += '}';
  } else if (const auto* parameter = llvm::dyn_cast<clang::TemplateTypeParmType>(bare)) {
    // A template's type parameter, by its place in the template's list.
    out += "$" + std::to_string(parameter->getIndex());
  } else if (const auto* complex = llvm::dyn_cast<clang::ComplexType>(bare)) {
    out += 'x';
    append(out, complex->getElementType());
  } else if (const auto* atomic = llvm::dyn_cast<clang::AtomicType>(bare)) {
    out += 'A';
    append(out, atomic->getValueType());
  } else if (const auto* vector = llvm::dyn_cast<clang::VectorType>(bare)) {
    out += "#" + std::to_string(vector->getNumElements()) + ",";
    append(out, vector->getElementType());
  } else {
    // Kinds C does not have: the type's own spelling, without blanks.
    for (char c : clang::QualType(bare, 0).getAsString(context_.getPrintingPolicy()))
      if (c != ' ') out += c;
  }
}

void TypeSpeller::appendArray(std::string& out, const clang::ArrayType* array) {
  out += '[';
  if (const auto* constant = llvm::dyn_cast<clang::ConstantArrayType>(array))
    out += std::to_string(constant->getSize().getZExtValue());
  else
    out += '?';
  out += ',';
  append(out, array->getElementType());
  out += ']';
}

void TypeSpeller::appendFunction(std::string& out, const clang::FunctionType* function) {
  out += '(';
  if (const auto* prototype = llvm::dyn_cast<clang::FunctionProtoType>(function)) {
    bool first = true;
    for (clang::QualType parameter : prototype->getParamTypes()) {
      if (!first) out += ',';
      first = false;
      // Qualifiers on a parameter itself do not change the function's type.
      append(out, parameter.getCanonicalType().getUnqualifiedType());
    }
    if (prototype->isVariadic()) out += first ? "..." : ",...";
  } else {
    out += '?';
  }
  out += ')';
  append(out, function->getReturnType());
}

}  // namespace scan
