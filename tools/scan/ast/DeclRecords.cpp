// DEFINE records: functions and their parameters, variables at file and
// block scope, typedefs, structs and unions with their members, enums with
// their enumerators; and the relations a member makes between tags.
#include <clang/AST/DeclCXX.h>
#include <clang/AST/TypeLoc.h>

#include "ast/RecordMaker.h"
#include "core/Records.h"

namespace scan {

char linkageLetter(const clang::NamedDecl* decl) {
  switch (decl->getFormalLinkage()) {
    case clang::ExternalLinkage:
    case clang::ModuleLinkage:
      return 'X';
    case clang::InternalLinkage:
    case clang::UniqueExternalLinkage:
      return 'I';
    default:
      return 'N';
  }
}

namespace {

// A variable's definition in the unit: the one with an initialiser, else
// the first tentative one; every other declaration only declares it.
bool definesVariable(const clang::VarDecl* decl) {
  const clang::VarDecl* definition = decl->getDefinition();
  if (!definition) definition = decl->getActingDefinition();
  return definition == decl;
}

// The tag a member's type holds by value ('V'), through pointers ('P') or
// by reference ('R').
std::pair<char, const clang::TagDecl*> heldTag(clang::QualType type) {
  char kind = 'V';
  for (;;) {
    type = type.getCanonicalType();
    if (const auto* reference = llvm::dyn_cast<clang::ReferenceType>(type.getTypePtr())) {
      kind = 'R';
      type = reference->getPointeeType();
    } else if (const auto* array = llvm::dyn_cast<clang::ArrayType>(type.getTypePtr())) {
      type = array->getElementType();
    } else if (const auto* pointer = llvm::dyn_cast<clang::PointerType>(type.getTypePtr())) {
      kind = 'P';
      type = pointer->getPointeeType();
    } else {
      break;
    }
  }
  const auto* record = type->getAs<clang::RecordType>();
  return {kind, record ? record->getDecl() : nullptr};
}

// "typedef struct { ... } T;": the struct is known by the typedef's name,
// and its own record would only repeat that name as a tag. Its members are
// written as T's.
bool namedByTypedef(const clang::TagDecl* tag) {
  return !tag->getIdentifier() && tag->getTypedefNameForAnonDecl() != nullptr;
}

// The scope letter of the object a block-scope extern names: S in a
// namespace, else F.
char externScope(const clang::VarDecl* decl) {
  return decl->getDeclContext()->getEnclosingNamespaceContext()->isNamespace() ? 'S' : 'F';
}

}  // namespace

void RecordMaker::writeDefine(const std::string& name, const Place& place, char code, const char* space, char scope,
                              char linkage, const std::string& type, const char* flags) {
  scan::writeDefine(out(), {.name = name, .file = place.file->path, .line = place.line,
                            .inHeader = place.inHeader(), .code = code, .space = space, .scope = scope,
                            .linkage = linkage, .type = type, .flags = flags});
}

void RecordMaker::declarations(const clang::DeclContext* context) {
  for (const clang::Decl* decl : context->decls()) {
    if (const auto* linkageSpec = llvm::dyn_cast<clang::LinkageSpecDecl>(decl)) {
      declarations(linkageSpec);
      continue;
    }
    if (const auto* space = llvm::dyn_cast<clang::NamespaceDecl>(decl)) {
      namespaceMembers(space);
      continue;
    }
    // Each declaration of the file starts a piece of its own, placed where
    // the unit reads it.
    const clang::SourceLocation at = sources_.getExpansionLoc(decl->getBeginLoc());
    if (decl->isImplicit() || !places_.expansion(at)) continue;
    out_ = &output_.declarationPiece(at);
    declaration(decl, nullptr);
  }
}

void RecordMaker::declaration(const clang::Decl* decl, Walk* walk) {
  if (decl->isImplicit()) return;
  if (const auto* fn = llvm::dyn_cast<clang::FunctionDecl>(decl)) {
    function(fn);
  } else if (const auto* variable = llvm::dyn_cast<clang::VarDecl>(decl)) {
    if (walk)
      localVariable(variable, *walk);
    else
      fileVariable(variable);
  } else if (const auto* typedefName_ = llvm::dyn_cast<clang::TypedefNameDecl>(decl)) {
    typedefName(typedefName_, walk);
  } else if (const auto* cxxRecord = llvm::dyn_cast<clang::CXXRecordDecl>(decl)) {
    cxxClass(cxxRecord, walk);
  } else if (const auto* classTemplate = llvm::dyn_cast<clang::ClassTemplateDecl>(decl)) {
    cxxClass(classTemplate->getTemplatedDecl(), walk);
    templateInstances(classTemplate);
  } else if (const auto* functionTemplate = llvm::dyn_cast<clang::FunctionTemplateDecl>(decl)) {
    function(functionTemplate->getTemplatedDecl());
    templateInstances(functionTemplate);
  } else if (const auto* recordDecl = llvm::dyn_cast<clang::RecordDecl>(decl)) {
    record(recordDecl, walk);
  } else if (const auto* enumDecl = llvm::dyn_cast<clang::EnumDecl>(decl)) {
    enumeration(enumDecl, walk);
  }
}

bool RecordMaker::ensureDeclared(const clang::NamedDecl* decl) {
  // A compiler builtin (__builtin_expect, __builtin_va_start) that no header
  // declares is no entity of the project: it is neither declared nor used.
  if (const auto* fn = llvm::dyn_cast<clang::FunctionDecl>(decl); fn && fn->isImplicit() && fn->getBuiltinID() != 0)
    return false;
  const clang::Decl* canonical = decl->getCanonicalDecl();
  if (declared_.contains(canonical)) return true;
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return false;
  // Locals, parameters and members are written where they stand, always
  // before their uses; what can be used before the unit wrote it is an
  // entity with linkage (a function declared implicitly, by its call) or a
  // tag named before it is declared.
  if (const auto* method = llvm::dyn_cast<clang::CXXMethodDecl>(decl); method && method->isImplicit())
    return implicitMember(method);
  if (const auto* fn = llvm::dyn_cast<clang::FunctionDecl>(decl)) {
    writeDefine(names_.of(fn), place, 'C', "OF", names_.cxx() ? scopeOf(fn) : 'F', linkageLetter(fn),
                types_.of(fn->getType()), names_.cxx() ? functionFlags(fn).c_str() : fn->isInlined() ? "I" : "");
  } else if (const auto* variable = llvm::dyn_cast<clang::VarDecl>(decl); variable && variable->hasLinkage()) {
    const bool qualified = names_.cxx() && !isBlockExtern(variable);
    writeDefine(qualified ? names_.of(variable) : names_.externTarget(variable), place, 'C', "OV",
                qualified ? scopeOf(variable) : externScope(variable), linkageLetter(variable),
                types_.of(variable->getType()), "");
  } else if (const auto* tag = llvm::dyn_cast<clang::TagDecl>(decl)) {
    writeDefine(names_.ofTag(tag), place, 'C', "TG", 'F', 'N', types_.of(context_.getTagDeclType(tag)), "");
  } else {
    return true;
  }
  declared_.insert(canonical);
  return true;
}

void RecordMaker::function(const clang::FunctionDecl* decl, bool bodyPass) {
  const Place place = places_.expansion(decl->getLocation());
  // A template's own function is written, and the code of its instances is
  // walked in its name (templateInstances).
  const bool pattern = decl->isDependentContext();
  if (!place || (pattern && !names_.cxx())) return;
  const std::string& name = names_.of(decl);
  const std::string& type = types_.of(decl->getType());
  const char scope = isBlockExtern(decl) ? 'B' : names_.cxx() ? scopeOf(decl) : 'F';
  const char linkage = linkageLetter(decl);
  const std::string flagText = names_.cxx() ? functionFlags(decl) : decl->isInlined() ? "I" : "";
  const char* flags = flagText.c_str();
  // A member function defined in its class is declared with the class's
  // members, and defined once they are all written.
  const bool inClass = decl->getLexicalDeclContext()->isRecord();
  const bool first = !bodyPass && declared_.insert(decl->getCanonicalDecl()).second;
  if (!decl->doesThisDeclarationHaveABody() || (inClass && !bodyPass)) {
    writeDefine(name, place, first ? 'C' : 'R', "OF", scope, linkage, type, flags);
    if (first) parameters(decl, 'C');
    return;
  }
  // A definition repeats its declaration when the unit has none before it;
  // an explicit specialisation of a template's function is marked "X".
  if (decl->getTemplateSpecializationKind() == clang::TSK_ExplicitSpecialization) {
    writeDefine(name, place, 'X', "OF", scope, linkage, type, flags);
  } else {
    if (first) writeDefine(name, place, 'C', "OF", scope, linkage, type, flags);
    writeDefine(name, place, 'F', "OF", scope, linkage, type, flags);
  }
  parameters(decl, 'F');
  if (pattern) return;
  ++place.file->functionsDefined;
  if (linkage == 'I' && place.file->main) internalDefinitions_.push_back(decl);
  body(decl);
}

void RecordMaker::parameters(const clang::FunctionDecl* decl, char code) {
  for (const clang::ParmVarDecl* parameter : decl->parameters()) {
    if (!parameter->getIdentifier()) continue;
    const Place place = places_.expansion(parameter->getLocation());
    if (!place) continue;
    writeDefine(names_.of(parameter), place, code, "OV", 'P', 'N', types_.of(parameter->getType()), "R");
  }
}

void RecordMaker::fileVariable(const clang::VarDecl* decl) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  if (decl->getDeclContext()->isDependentContext()) return;
  const std::string& name = names_.of(decl);
  const std::string& type = types_.of(decl->getType());
  const char linkage = linkageLetter(decl);
  const char scope = names_.cxx() ? scopeOf(decl) : 'F';
  // A static data member: static storage, and the access of its class.
  const std::string flagText = decl->isStaticDataMember() ? "S" + accessFlag(decl->getCanonicalDecl()) : "";
  const char* flags = flagText.c_str();
  const bool first = declared_.insert(decl->getCanonicalDecl()).second;
  if (definesVariable(decl)) {
    if (first) writeDefine(name, place, 'C', "OV", scope, linkage, type, flags);
    writeDefine(name, place, 'F', "OV", scope, linkage, type, flags);
  } else {
    writeDefine(name, place, first ? 'C' : 'R', "OV", scope, linkage, type, flags);
  }
  // What the initialiser uses are the variable's initialiser dependencies.
  Walk walk;
  walk.owner = &name;
  walk.initialiser = true;
  dimensions(decl->getTypeSourceInfo(), walk);
  if (const clang::Expr* init = decl->getInit()) initialiser(init, decl, walk);
}

void RecordMaker::localVariable(const clang::VarDecl* decl, Walk& walk) {
  if (llvm::isa<clang::ParmVarDecl>(decl)) return;
  if (isBlockExtern(decl)) {
    blockExtern(decl);
    return;
  }
  const Place place = places_.expansion(decl->getLocation());
  if (!place || !decl->getIdentifier()) return;
  const std::string& name = names_.of(decl);
  writeDefine(name, place, 'F', "OV", 'B', 'N', types_.of(decl->getType()), decl->isStaticLocal() ? "S" : "");
  dimensions(decl->getTypeSourceInfo(), walk);
  const clang::Expr* init = decl->getInit();
  if (init && !decl->isStaticLocal()) initialiser(init, decl, walk);
  // An automatic object of a class that has a destructor to run is
  // destroyed when its scope ends: written at its declaration.
  if (decl->hasLocalStorage())
    if (const auto* record = decl->getType()->getBaseElementTypeUnsafe()->getAsCXXRecordDecl();
        record && record->hasDefinition() && !record->hasTrivialDestructor())
      destroyed(decl->getType(), decl->getLocation(), false, walk);
  if (init && decl->isStaticLocal()) {
    // Initialised once, before the function runs: a dependency of the
    // variable, not a use by the function.
    Walk once = walk;
    once.owner = &name;
    once.initialiser = true;
    initialiser(init, decl, once);
  }
}

void RecordMaker::blockExtern(const clang::VarDecl* decl) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  const std::string& type = types_.of(decl->getType());
  // The object it names must be declared in the unit for the record to
  // name it: when nothing at file scope declared it yet, this does.
  const std::string global = names_.externTarget(decl);
  if (declared_.insert(decl->getCanonicalDecl()).second)
    writeDefine(global, place, 'C', "OV", externScope(decl), linkageLetter(decl), type, "");
  const std::string& local = names_.of(decl);
  writeDefine(local, place, 'C', "OV", 'B', linkageLetter(decl), type, "");
  scan::writeExternVar(out(), local, global, place.line);
}

void RecordMaker::typedefName(const clang::TypedefNameDecl* decl, Walk* walk) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  const char scope = walk ? 'B' : names_.cxx() ? scopeOf(decl) : 'F';
  writeDefine(names_.of(decl), place, 'F', "OT", scope, 'N', types_.of(decl->getUnderlyingType()), "");
  Walk outside;
  dimensions(decl->getTypeSourceInfo(), walk ? *walk : outside);
}

void RecordMaker::record(const clang::RecordDecl* decl, Walk* walk) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  const std::string& name = names_.ofTag(decl);
  const std::string& type = types_.of(context_.getRecordType(decl));
  // An anonymous struct or union inside another is known as its member.
  const bool member = !decl->getIdentifier() && llvm::isa<clang::RecordDecl>(decl->getDeclContext());
  const char scope = walk ? 'B' : member ? 'C' : 'F';
  const bool first = declared_.insert(decl->getCanonicalDecl()).second;
  if (!decl->isThisDeclarationADefinition()) {
    writeDefine(name, place, first ? 'C' : 'R', "TG", scope, 'N', type, "");
    return;
  }
  // A C struct or union is plain old data and an aggregate.
  if (!namedByTypedef(decl)) writeDefine(name, place, 'F', "TG", scope, 'N', type, "DA");
  for (const clang::Decl* member : decl->decls()) {
    if (const auto* fieldDecl = llvm::dyn_cast<clang::FieldDecl>(member))
      field(fieldDecl, name);
    else if (llvm::isa<clang::TagDecl>(member) || llvm::isa<clang::TypedefNameDecl>(member))
      declaration(member, walk);
  }
}

void RecordMaker::field(const clang::FieldDecl* decl, const std::string& owner) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  // An unnamed bit-field ("int : 3;") is no member, but its width is a
  // literal of the source.
  if (decl->getIdentifier())
    writeDefine(names_.of(decl), place, 'F', "MB", 'C', 'N', types_.ofField(decl),
                names_.cxx() ? accessFlag(decl).c_str() : "");
  Walk member;
  member.scope = 'C';
  dimensions(decl->getTypeSourceInfo(), member);
  if (const clang::Expr* width = decl->getBitWidth()) expression(width, Access::Read, 'B', member);
  if (!decl->getIdentifier()) return;
  auto [kind, held] = heldTag(decl->getType());
  if (held && ensureDeclared(held))
    scan::writeRelation(out(), kind, owner, names_.ofTag(held), place.line, "");
}

void RecordMaker::enumeration(const clang::EnumDecl* decl, Walk* walk) {
  const Place place = places_.expansion(decl->getLocation());
  if (!place) return;
  const std::string& type = types_.of(context_.getEnumType(decl));
  const char scope = walk ? 'B' : names_.cxx() ? scopeOf(decl) : 'F';
  const bool first = declared_.insert(decl->getCanonicalDecl()).second;
  if (!decl->isThisDeclarationADefinition()) {
    writeDefine(names_.ofTag(decl), place, first ? 'C' : 'R', "TG", scope, 'N', type, "");
    return;
  }
  if (!namedByTypedef(decl)) writeDefine(names_.ofTag(decl), place, 'F', "TG", scope, 'N', type, "D");
  Walk values;
  values.scope = scope;
  for (const clang::EnumConstantDecl* enumerator : decl->enumerators()) {
    const Place at = places_.expansion(enumerator->getLocation());
    if (!at) continue;
    writeDefine(names_.of(enumerator), at, 'F', "OE", scope, 'N', type, "");
    if (const clang::Expr* value = enumerator->getInitExpr()) expression(value, Access::Read, 'E', values);
  }
}

void RecordMaker::dimensions(const clang::TypeSourceInfo* info, Walk& walk) {
  if (!info) return;
  clang::TypeLoc loc = info->getTypeLoc();
  while (!loc.isNull()) {
    if (auto array = loc.getAs<clang::ArrayTypeLoc>()) {
      if (const clang::Expr* size = array.getSizeExpr()) expression(size, Access::Read, 'D', walk);
      loc = array.getElementLoc();
    } else if (auto pointer = loc.getAs<clang::PointerTypeLoc>()) {
      loc = pointer.getPointeeLoc();
    } else if (auto paren = loc.getAs<clang::ParenTypeLoc>()) {
      loc = paren.getInnerLoc();
    } else if (auto qualified = loc.getAs<clang::QualifiedTypeLoc>()) {
      loc = qualified.getUnqualifiedLoc();
    } else {
      break;
    }
  }
}

}  // namespace scan
