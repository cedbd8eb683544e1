#include "namecheck/RuleWords.h"

#include <array>

namespace zum {

namespace {

using namespace rulebits;

constexpr RuleWord kIncludeWords[] = {{"include", "I", kInclude}, {"main", "N", kMain}};

constexpr RuleWord kDefineWords[] = {{"declaration", "DC", kDeclaration},
                                     {"definition", "DF", kDefinition},
                                     {"implicit", "DI", kImplicit},
                                     {"specialisation", "DS", kSpecialisation}};

constexpr RuleWord kSpaceWords[] = {{"tag", "TG", kTag},           {"typedef", "OT", kTypedef},
                                    {"function", "OF", kFunction}, {"enumerator", "OE", kEnumerator},
                                    {"macro", "OM", kMacro},       {"variable", "OV", kVariable},
                                    {"member", "MB", kMember}};

constexpr RuleWord kScopeWords[] = {{"file", "F", kFileScope},        {"block", "B", kBlockScope},
                                    {"prototype", "P", kPrototypeScope}, {"class", "C", kClassScope},
                                    {"template", "T", kTemplateScope},   {"namespace", "S", kNamespaceScope}};

constexpr RuleWord kLinkageWords[] = {{"internal", "I", kInternal}, {"external", "X", kExternal}, {"none", "N", kNoLinkage}};

constexpr RuleWord kFlagWords[] = {{"functionmacro", "F", kFunctionMacro},
                                   {"objectmacro", "O", kObjectMacro},
                                   {"inline", "I", kInline},
                                   {"virtual", "V", kVirtual},
                                   {"purevirtual", "P", kPureVirtual},
                                   {"staticmember", "S", kStaticMember},
                                   {"pod", "D", kPod},
                                   {"aggregate", "A", kAggregate},
                                   {"functionparameter", "R", kFunctionParameter},
                                   {"expublic", "1", kExplicitPublic},
                                   {"exprotected", "2", kExplicitProtected},
                                   {"exprivate", "3", kExplicitPrivate},
                                   {"impublic", "5", kImplicitPublic},
                                   {"imprivate", "7", kImplicitPrivate},
                                   {"-", "-", kNoFlag}};

const std::array<MaskMember, 6> kMaskMembers = {{
    {"inc", &NameRule::includeMask, kIncludeWords},
    {"def", &NameRule::defineMask, kDefineWords},
    {"space", &NameRule::spaceMask, kSpaceWords},
    {"scope", &NameRule::scopeMask, kScopeWords},
    {"linkage", &NameRule::linkageMask, kLinkageWords},
    {"flag", &NameRule::flagMask, kFlagWords},
}};

}  // namespace

const MaskMember* findMaskMember(std::string_view name) {
  for (const MaskMember& member : kMaskMembers)
    if (member.name == name) return &member;
  return nullptr;
}

unsigned maskBitOf(const MaskMember& member, std::string_view word) {
  for (const RuleWord& entry : member.words)
    if (entry.word == word || entry.code == word) return entry.bit;
  return 0;
}

}  // namespace zum
