#include "ast/Names.h"

#include <clang/AST/DeclCXX.h>
#include <clang/Basic/SourceManager.h>

#include <cstdio>

namespace scan {

namespace {

bool holdsMarkerByte(llvm::StringRef bytes) {
  for (unsigned char c : bytes)
    if (c >= 0x8C && c <= 0x90) return true;
  return false;
}

// The length of the UTF-8 sequence that starts with `lead`; 1 for a byte
// that starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

unsigned codePoint(llvm::StringRef sequence) {
  unsigned value = static_cast<unsigned char>(sequence[0]) & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) value = (value << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
  return value;
}

}  // namespace

std::string recordIdentifier(llvm::StringRef name) {
  if (!holdsMarkerByte(name)) return name.str();
  std::string out;
  for (std::size_t i = 0; i < name.size();) {
    std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(name[i])), name.size() - i);
    llvm::StringRef sequence = name.substr(i, n);
    if (n > 1 && holdsMarkerByte(sequence)) {
      char escaped[16];
      unsigned value = codePoint(sequence);
      std::snprintf(escaped, sizeof escaped, value > 0xFFFF ? "\\U%08X" : "\\u%04X", value);
      out += escaped;
    } else {
      out += sequence.str();
    }
    i += n;
  }
  return out;
}

const std::string& Names::of(const clang::NamedDecl* decl) {
  auto found = cache_.find(decl);
  if (found != cache_.end()) return found->second;
  std::string name = compute(decl);
  return cache_[decl] = std::move(name);
}

const std::string& Names::ofTag(const clang::TagDecl* tag) {
  auto found = cache_.find(tag);
  if (found != cache_.end()) return found->second;
  std::string name = computeTag(tag);
  return cache_[tag] = std::move(name);
}

std::string Names::functionPrefix(const clang::Decl* decl) {
  for (const clang::DeclContext* context = decl->getLexicalDeclContext(); context;
       context = context->getLexicalParent()) {
    if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(context)) return of(function) + "::";
  }
  return {};
}

std::string Names::compute(const clang::NamedDecl* decl) {
  if (cxx()) return computeCxx(decl);
  if (const auto* tag = llvm::dyn_cast<clang::TagDecl>(decl)) return ofTag(tag);
  const std::string identifier = recordIdentifier(decl->getName());
  if (const auto* parameter = llvm::dyn_cast<clang::ParmVarDecl>(decl)) {
    if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(parameter->getDeclContext()))
      return of(function) + "::" + identifier;
    return identifier;
  }
  if (llvm::isa<clang::FieldDecl>(decl) || llvm::isa<clang::IndirectFieldDecl>(decl)) {
    const auto* record = llvm::dyn_cast<clang::RecordDecl>(decl->getDeclContext());
    return record ? ofTag(record) + "::" + identifier : identifier;
  }
  // A function declared inside another is the file-scope function itself.
  if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(decl); function && isBlockExtern(function))
    return identifier;
  if (const auto* enumerator = llvm::dyn_cast<clang::EnumConstantDecl>(decl)) {
    // C puts enumerators where their enumeration is, whatever struct holds it.
    const auto* enumeration = llvm::cast<clang::EnumDecl>(enumerator->getDeclContext());
    return functionPrefix(enumeration) + identifier;
  }
  return functionPrefix(decl) + identifier;
}

std::string Names::computeTag(const clang::TagDecl* tag) {
  if (cxx()) return computeCxxTag(tag);
  if (tag->getIdentifier()) return functionPrefix(tag) + recordIdentifier(tag->getName());
  if (const clang::TypedefNameDecl* typedefName = tag->getTypedefNameForAnonDecl()) return of(typedefName);
  const clang::SourceLocation at = sources_.getExpansionLoc(tag->getLocation());
  std::string unnamed = "@unnamed_" + std::to_string(sources_.getExpansionLineNumber(at)) + "_" +
                        std::to_string(sources_.getExpansionColumnNumber(at));
  // The members of an anonymous struct or union are reached through the
  // struct or union that holds it.
  if (const auto* parent = llvm::dyn_cast<clang::RecordDecl>(tag->getDeclContext())) return ofTag(parent) + "::" + unnamed;
  return functionPrefix(tag) + unnamed;
}

}  // namespace scan
