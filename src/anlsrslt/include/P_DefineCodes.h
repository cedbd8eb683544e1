// The codes of a define in one query, for the walks that sort hundreds of
// thousands of defines by kind: each PI_isDefine... query is a call of its
// own, and such a walk asks three or four of them per define. The query is
// inline, so that a walk rejects most defines without any call.
#pragma once

#include <cstdint>

#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Define.h"

struct P_DefineCodes {
  P_DefineKind kind;
  P_Scope scope;
  std::uint8_t bits;   // P_DefineBit
  P_Linkage linkage;
  std::uint32_t flags; // P_DefineFlag

  // Each answers as the PI_ query of the same name.
  bool isDeclaration() const noexcept { return (bits & P_DefineDeclaration) != 0; }
  bool isDefinition() const noexcept { return (bits & P_DefineDefinition) != 0; }
  bool isSpecialisation() const noexcept { return (bits & (P_DefineSpecialisation | P_DefineCodeP)) != 0; }
  bool isInline() const noexcept { return (flags & P_FlagInline) != 0; }
  bool isVariable() const noexcept { return kind == P_DefineKind::Variable || kind == P_DefineKind::Member; }
  bool isMember() const noexcept { return kind == P_DefineKind::Member || scope == P_Scope::Class; }
  bool isFunction() const noexcept { return kind == P_DefineKind::Function; }
  bool isMacro() const noexcept { return kind == P_DefineKind::Macro; }
  bool isTag() const noexcept { return kind == P_DefineKind::Tag; }
  bool isTypedef() const noexcept { return kind == P_DefineKind::Typedef; }
  bool isImplicit() const noexcept { return (bits & P_DefineImplicit) != 0; }
  bool isFunctionParameter() const noexcept {
    return (flags & P_FlagFunctionParameter) != 0 || scope == P_Scope::Prototype;
  }
  bool hasFileScope() const noexcept { return scope == P_Scope::File; }
  bool hasNamespaceScope() const noexcept { return scope == P_Scope::Namespace; }
  bool hasBlockScope() const noexcept { return scope == P_Scope::Block; }
  bool hasExternalLinkage() const noexcept { return linkage == P_Linkage::External; }
  bool hasInternalLinkage() const noexcept { return linkage == P_Linkage::Internal; }
  bool hasStaticStorage() const noexcept { return (flags & P_FlagStaticStorage) != 0; }
};
static_assert(sizeof(P_DefineCodes) == 8, "the codes come back in one register");

inline P_DefineCodes P_getDefineCodes(PI_DefineHandle def) {
  const P_Define& define = zum::checkedDefine(def);
  return {define.kind(), define.scope(), define.defineBits(), define.linkage(), define.flags()};
}

// The interned qualified name, as PI_getDefineQualName gives it, without
// the call.
inline U_Identifier P_getDefineQualIdentifier(PI_DefineHandle def) { return zum::checkedDefine(def).qualName(); }
// The interned type, as PI_getDefineType gives it, without the call.
inline U_Identifier P_getDefineTypeIdentifier(PI_DefineHandle def) { return zum::checkedDefine(def).type(); }
