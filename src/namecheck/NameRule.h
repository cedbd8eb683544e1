// One rule of a name rule file: which defines it applies to (masks and
// expressions, each unset by default) and what their simple identifier must
// look like.
#pragma once

#include <string>

#include "namecheck/RegularExpression.h"

namespace zum {

// The bits of the masks; a mask of 0 sets no condition.
namespace rulebits {
inline constexpr unsigned kInclude = 1, kMain = 2;
inline constexpr unsigned kDeclaration = 1, kDefinition = 2, kImplicit = 4, kSpecialisation = 8;
inline constexpr unsigned kTag = 1, kTypedef = 2, kFunction = 4, kEnumerator = 8, kMacro = 16, kVariable = 32,
                          kMember = 64;
inline constexpr unsigned kFileScope = 1, kBlockScope = 2, kPrototypeScope = 4, kClassScope = 8,
                          kTemplateScope = 16, kNamespaceScope = 32;
inline constexpr unsigned kInternal = 1, kExternal = 2, kNoLinkage = 4;
inline constexpr unsigned kFunctionMacro = 1, kObjectMacro = 2, kInline = 4, kVirtual = 8, kPureVirtual = 16,
                          kStaticMember = 32, kPod = 64, kAggregate = 128, kFunctionParameter = 256,
                          kExplicitPublic = 512, kExplicitProtected = 1024, kExplicitPrivate = 2048,
                          kImplicitPublic = 4096, kImplicitPrivate = 8192, kNoFlag = 16384;
}  // namespace rulebits

inline constexpr int kNameCheckMessage = 4800;

// An expression as written in the rule and compiled; unset while its text
// is empty.
struct RuleExpression {
  std::string text;
  RegularExpression regex;

  bool isSet() const noexcept { return !text.empty(); }
};

struct NameRule {
  unsigned includeMask = 0;
  unsigned defineMask = 0;
  unsigned spaceMask = 0;
  unsigned scopeMask = 0;
  unsigned linkageMask = 0;
  unsigned flagMask = 0;
  int message = kNameCheckMessage;
  RuleExpression type;
  RuleExpression pattern;
  RuleExpression filename;
  bool invert = false;
  RuleExpression nameSpace;
  std::string lastCompileError;
};

}  // namespace zum
