#include "anlsrslt/model/Define.h"

namespace zum {

std::uint8_t defineBitsFromCode(char second) noexcept {
  switch (second) {
    case 'C': return P_DefineDeclaration;
    case 'F': return P_DefineDefinition;
    case 'I': return P_DefineImplicit;
    case 'S': return P_DefineSpecialisation;
    case 'R': return P_DefineRedeclaration;
    case 'X': return P_DefineCodeX;
    case 'P': return P_DefineCodeP;
    default: return P_DefineDefinition;
  }
}

P_DefineKind kindFromSpaceCode(char first, char second) noexcept {
  if (first == 'L' && second == 'B') return P_DefineKind::Label;
  switch (second) {
    case 'T': return P_DefineKind::Typedef;
    case 'F': return P_DefineKind::Function;
    case 'E': return P_DefineKind::Enumerator;
    case 'M': return P_DefineKind::Macro;
    case 'V': return P_DefineKind::Variable;
    case '-': return P_DefineKind::None;
    case 'B': return P_DefineKind::Member;
    default: return P_DefineKind::Tag;
  }
}

P_Scope scopeFromLetter(char letter) noexcept {
  switch (letter) {
    case 'B': return P_Scope::Block;
    case 'P': return P_Scope::Prototype;
    case 'C': return P_Scope::Class;
    case 'T': return P_Scope::Template;
    case 'S': return P_Scope::Namespace;
    case 'N': return P_Scope::NoneForLabels;
    case '-': return P_Scope::Unset;
    default: return P_Scope::File;
  }
}

P_Linkage linkageFromLetter(char letter) noexcept {
  switch (letter) {
    case 'X': return P_Linkage::External;
    case 'N': return P_Linkage::None;
    case '-': return P_Linkage::NotApplicable;
    default: return P_Linkage::Internal;
  }
}

std::uint32_t flagsFromLetters(std::string_view letters) noexcept {
  std::uint32_t flags = 0;
  for (char c : letters) {
    switch (c) {
      case 'F': flags |= P_FlagFunctionMacro; break;
      case 'O': flags |= P_FlagObjectMacro; break;
      case 'I': flags |= P_FlagInline; break;
      case 'V': flags |= P_FlagVirtual; break;
      case 'P': flags |= P_FlagPureVirtual; break;
      case 'S': flags |= P_FlagStaticStorage; break;
      case 'D': flags |= P_FlagPOD; break;
      case 'A': flags |= P_FlagAggregate; break;
      case 'R': flags |= P_FlagFunctionParameter; break;
      case '1': flags |= P_FlagExplicitPublic; break;
      case '2': flags |= P_FlagExplicitProtected; break;
      case '3': flags |= P_FlagExplicitPrivate; break;
      case '5': flags |= P_FlagImplicitPublic; break;
      case '7': flags |= P_FlagImplicitPrivate; break;
      case 'G': flags |= P_FlagG; break;
      case 'T': flags |= P_FlagT; break;
      case 'U': flags |= P_FlagU; break;
      default: break;  // "-" and unknown letters
    }
  }
  return flags;
}

char tagTypeKind(std::string_view type) noexcept {
  if (type.size() <= 3 || type[0] != '{') return 0;
  switch (type[1]) {
    case 's':
    case 'u':
    case 'e': return type[1];
    default: return 'c';
  }
}

}  // namespace zum
