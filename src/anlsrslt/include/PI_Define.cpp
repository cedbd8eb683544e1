// Queries on defines.
#include <cstring>

#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/NameParts.h"
#include "anlsrslt/model/QualifiedName.h"
#include "util/Assert.h"

using zum::checkedDefine;

namespace {

const P_NameParts& partsOf(P_Define* def) { return P_nameParts(checkedDefine(def).qualName()); }

// The tag kind of a tag define's type ('s', 'u', 'e' or 'c' for class).
char tagKindOf(const P_Define& def) {
  const char* type = def.type().pointer();
  U_require(type != nullptr, "DefineRecord", __LINE__, "0 != type && \"Cannot work from null tag type\"");
  U_require(std::strlen(type) > 3, "DefineRecord", __LINE__,
            "strlen (type) > 3 && \"We must have length greater than 3 for class tag types\"");
  U_require('{' == *type, "DefineRecord", __LINE__, "'{' == *type && \"We must have a value type name here\"");
  return zum::tagTypeKind(def.type().view());
}

bool isTagOfKind(P_Define* define, bool (*wanted)(char)) {
  P_Define& def = checkedDefine(define);
  return def.kind() == P_DefineKind::Tag && wanted(tagKindOf(def));
}

bool hasKind(P_Define* def, P_DefineKind kind) { return checkedDefine(def).kind() == kind; }
bool hasScope(P_Define* def, P_Scope scope) { return checkedDefine(def).scope() == scope; }
bool hasFlag(P_Define* def, std::uint32_t flag) { return checkedDefine(def).hasFlag(flag); }
bool hasBit(P_Define* def, std::uint8_t bit) { return checkedDefine(def).hasBit(bit); }

}  // namespace

extern "C" {

const char* PI_getDefineQualName(PI_DefineHandle def) { return checkedDefine(def).qualName().c_str(); }
const char* PI_getDefineType(PI_DefineHandle def) { return checkedDefine(def).type().c_str(); }
const char* PI_getDefineFilename(PI_DefineHandle def) { return checkedDefine(def).file().c_str(); }
int PI_getDefineLine(PI_DefineHandle def) { return checkedDefine(def).line(); }

const char* PI_getDefineScope(PI_DefineHandle def) { return partsOf(def).scope.c_str(); }

const char* PI_getDefineUnqualName(PI_DefineHandle def) {
  const P_NameParts& parts = partsOf(def);
  return def->isFunction() ? parts.component.c_str() : parts.identifier.c_str();
}

const char* PI_getDefineIdentifier(PI_DefineHandle def) { return partsOf(def).identifier.c_str(); }
const char* PI_getDefineSimpleIdentifier(PI_DefineHandle def) { return partsOf(def).simpleIdentifier.c_str(); }
const char* PI_getDefineTemplateParameters(PI_DefineHandle def) { return partsOf(def).templateParameters.c_str(); }
// The shape worked this out from the same name when the line was read.
bool PI_isTemplateOrSpecialisation(PI_DefineHandle def) { return checkedDefine(def).isTemplateOrSpecialisation(); }

bool PI_isDefineMain(PI_DefineHandle def) {
  return checkedDefine(def).hasExternalLinkage() && partsOf(def).identifier.view() == "main";
}

bool PI_hasDefineSameLocation(PI_DefineHandle a, PI_DefineHandle b) { return a->isAt(*b); }

bool PI_isDefineBitfield(PI_DefineHandle def) {
  std::string_view type = def->type().view();
  return type.size() == 2 && type[1] == 'b' && (type[0] == 'n' || type[0] == 'u');
}

bool PI_isDefineClass(PI_DefineHandle def) {
  return isTagOfKind(def, [](char kind) { return kind == 'c' || kind == 's'; });
}
bool PI_isDefineStruct(PI_DefineHandle def) {
  return isTagOfKind(def, [](char kind) { return kind == 's'; });
}
bool PI_isDefineUnion(PI_DefineHandle def) {
  return isTagOfKind(def, [](char kind) { return kind == 'u'; });
}

bool PI_isDefineTag(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Tag); }
bool PI_isDefineTypedef(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Typedef); }
bool PI_isDefineFunction(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Function); }
bool PI_isDefineEnumerator(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Enumerator); }
bool PI_isDefineMacro(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Macro); }
bool PI_isDefineLabel(PI_DefineHandle def) { return hasKind(def, P_DefineKind::Label); }

bool PI_isDefineVariable(PI_DefineHandle def) {
  P_DefineKind kind = checkedDefine(def).kind();
  return kind == P_DefineKind::Variable || kind == P_DefineKind::Member;
}

bool PI_isDefineMember(PI_DefineHandle def) {
  return checkedDefine(def).kind() == P_DefineKind::Member || def->scope() == P_Scope::Class;
}

bool PI_hasDefineFileScope(PI_DefineHandle def) { return hasScope(def, P_Scope::File); }
bool PI_hasDefineBlockScope(PI_DefineHandle def) { return hasScope(def, P_Scope::Block); }
bool PI_hasDefinePrototypeScope(PI_DefineHandle def) { return hasScope(def, P_Scope::Prototype); }
bool PI_hasDefineClassScope(PI_DefineHandle def) { return hasScope(def, P_Scope::Class); }
bool PI_hasDefineTemplateScope(PI_DefineHandle def) { return hasScope(def, P_Scope::Template); }
bool PI_hasDefineNamespaceScope(PI_DefineHandle def) { return hasScope(def, P_Scope::Namespace); }

bool PI_hasDefineExternalLinkage(PI_DefineHandle def) {
  return checkedDefine(def).linkage() == P_Linkage::External;
}
bool PI_hasDefineInternalLinkage(PI_DefineHandle def) {
  return checkedDefine(def).linkage() == P_Linkage::Internal;
}
bool PI_isDefineInHeader(PI_DefineHandle def) { return !checkedDefine(def).isInMainFile(); }

bool PI_isDefineDeclaration(PI_DefineHandle def) { return hasBit(def, P_DefineDeclaration); }
bool PI_isDefineDefinition(PI_DefineHandle def) { return hasBit(def, P_DefineDefinition); }
bool PI_isDefineImplicit(PI_DefineHandle def) { return hasBit(def, P_DefineImplicit); }
bool PI_isDefineSpecialisation(PI_DefineHandle def) { return hasBit(def, P_DefineSpecialisation | P_DefineCodeP); }

bool PI_isDefineFunctionMacro(PI_DefineHandle def) { return hasFlag(def, P_FlagFunctionMacro); }
bool PI_isDefineObjectMacro(PI_DefineHandle def) { return hasFlag(def, P_FlagObjectMacro); }
bool PI_isDefineInline(PI_DefineHandle def) { return hasFlag(def, P_FlagInline); }
bool PI_isDefineVirtual(PI_DefineHandle def) { return hasFlag(def, P_FlagVirtual); }
bool PI_isDefinePureVirtual(PI_DefineHandle def) { return hasFlag(def, P_FlagPureVirtual); }
bool PI_hasDefineStaticStorage(PI_DefineHandle def) { return hasFlag(def, P_FlagStaticStorage); }
bool PI_isDefinePOD(PI_DefineHandle def) { return hasFlag(def, P_FlagPOD); }
bool PI_isDefineAggregate(PI_DefineHandle def) { return hasFlag(def, P_FlagAggregate); }

bool PI_isDefineFunctionParameter(PI_DefineHandle def) {
  return hasFlag(def, P_FlagFunctionParameter) || def->scope() == P_Scope::Prototype;
}

bool PI_isDefineExplicitPublic(PI_DefineHandle def) { return hasFlag(def, P_FlagExplicitPublic); }
bool PI_isDefineExplicitProtected(PI_DefineHandle def) { return hasFlag(def, P_FlagExplicitProtected); }
bool PI_isDefineExplicitPrivate(PI_DefineHandle def) { return hasFlag(def, P_FlagExplicitPrivate); }
bool PI_isDefineImplicitPublic(PI_DefineHandle def) { return hasFlag(def, P_FlagImplicitPublic); }
bool PI_isDefineImplicitPrivate(PI_DefineHandle def) { return hasFlag(def, P_FlagImplicitPrivate); }

}  // extern "C"

// The unexported define queries.

bool P_isDefineRedeclaration(P_Define* def) { return hasBit(def, P_DefineRedeclaration); }
bool P_hasDefineCodeP(P_Define* def) { return hasBit(def, P_DefineCodeP); }
bool P_hasDefineCodeX(P_Define* def) { return hasBit(def, P_DefineCodeX); }
bool P_hasDefineFlagG(P_Define* def) { return hasFlag(def, P_FlagG); }
bool P_hasDefineFlagT(P_Define* def) { return hasFlag(def, P_FlagT); }
bool P_hasDefineFlagU(P_Define* def) { return hasFlag(def, P_FlagU); }
const char* P_getDefineQualNameNoTemplateArgs(P_Define* def) { return partsOf(def).noTemplateArgs.c_str(); }

void P_prefetchDefineShape(P_Define* def) { __builtin_prefetch(&def->shape()); }

P_NameTexts P_getDefineNameTexts(P_Define* def) {
  const std::string_view component = zum::splitLastComponent(checkedDefine(def).qualName().view()).component;
  return {component, zum::identifierOf(component)};
}
