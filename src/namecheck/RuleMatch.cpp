#include "namecheck/RuleMatch.h"

#include <cstring>
#include <string>
#include <string_view>

#include "util/Path.h"

namespace zum {

namespace {

using namespace rulebits;

bool isAsciiLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// A member outside a class: a member record whose scope is not the class.
bool isMemberWithoutClassScope(PI_DefineHandle d) { return PI_isDefineMember(d) && !PI_hasDefineClassScope(d); }

bool includeHolds(unsigned mask, PI_DefineHandle d) {
  if (mask == kInclude) return PI_isDefineInHeader(d);
  if (mask == kMain) return !PI_isDefineInHeader(d);
  return true;
}

bool defineHolds(unsigned mask, PI_DefineHandle d) {
  return ((mask & kDeclaration) && PI_isDefineDeclaration(d) && !PI_isDefineImplicit(d)) ||
         ((mask & kDefinition) && PI_isDefineDefinition(d)) || ((mask & kImplicit) && PI_isDefineImplicit(d)) ||
         ((mask & kSpecialisation) && PI_isDefineSpecialisation(d));
}

bool scopeHolds(unsigned mask, PI_DefineHandle d) {
  return ((mask & kFileScope) && PI_hasDefineFileScope(d)) || ((mask & kBlockScope) && PI_hasDefineBlockScope(d)) ||
         ((mask & kPrototypeScope) && PI_hasDefinePrototypeScope(d)) ||
         ((mask & kClassScope) && PI_hasDefineClassScope(d)) ||
         ((mask & kTemplateScope) && PI_hasDefineTemplateScope(d)) ||
         ((mask & kNamespaceScope) && PI_hasDefineNamespaceScope(d));
}

bool spaceHolds(unsigned mask, PI_DefineHandle d) {
  return ((mask & kTag) && PI_isDefineTag(d)) || ((mask & kTypedef) && PI_isDefineTypedef(d)) ||
         ((mask & kFunction) && PI_isDefineFunction(d)) || ((mask & kEnumerator) && PI_isDefineEnumerator(d)) ||
         ((mask & kMacro) && PI_isDefineMacro(d)) || ((mask & kMember) && isMemberWithoutClassScope(d)) ||
         ((mask & kVariable) && PI_isDefineVariable(d) && !isMemberWithoutClassScope(d));
}

bool linkageHolds(unsigned mask, PI_DefineHandle d) {
  const bool internal = PI_hasDefineInternalLinkage(d);
  const bool external = PI_hasDefineExternalLinkage(d);
  return ((mask & kInternal) && internal) || ((mask & kExternal) && external) ||
         ((mask & kNoLinkage) && !internal && !external);
}

// The flags a define has, as the bits of the flag mask.
unsigned flagsOf(PI_DefineHandle d) {
  unsigned flags = 0;
  if (PI_isDefineFunctionMacro(d)) flags |= kFunctionMacro;
  if (PI_isDefineObjectMacro(d)) flags |= kObjectMacro;
  if (PI_isDefineInline(d)) flags |= kInline;
  if (PI_isDefineVirtual(d) && !PI_isDefinePureVirtual(d)) flags |= kVirtual;
  if (PI_isDefinePureVirtual(d)) flags |= kPureVirtual;
  if (PI_hasDefineStaticStorage(d)) flags |= kStaticMember;
  if (PI_isDefinePOD(d)) flags |= kPod;
  if (PI_isDefineFunctionParameter(d)) flags |= kFunctionParameter;
  if (PI_isDefineAggregate(d)) flags |= kAggregate;
  if (PI_isDefineExplicitPublic(d)) flags |= kExplicitPublic;
  if (PI_isDefineExplicitProtected(d)) flags |= kExplicitProtected;
  if (PI_isDefineExplicitPrivate(d)) flags |= kExplicitPrivate;
  if (PI_isDefineImplicitPublic(d)) flags |= kImplicitPublic;
  if (PI_isDefineImplicitPrivate(d)) flags |= kImplicitPrivate;
  if (flags == 0) flags = kNoFlag;
  return flags;
}

bool flagsHold(unsigned mask, PI_DefineHandle d) { return (flagsOf(d) & mask) == mask; }

bool filenameMatches(const RegularExpression& expression, PI_DefineHandle d) {
  return expression.matches(U_Path::baseName(PI_getDefineFilename(d)).c_str());
}

// The namespace text: the qualified name without "::" and the unqualified
// name at its end.
bool namespaceMatches(const RegularExpression& expression, PI_DefineHandle d) {
  const std::string_view qualified = PI_getDefineQualName(d);
  const std::size_t unqualified = std::strlen(PI_getDefineUnqualName(d));
  if (qualified.size() < unqualified + 2) return false;
  return expression.matches(std::string(qualified.substr(0, qualified.size() - unqualified - 2)).c_str());
}

}  // namespace

bool isNameChecked(PI_DefineHandle define) {
  if (PI_isDefineImplicit(define) && !PI_isDefineDefinition(define)) return false;
  if (PI_getDefineLine(define) == 0) return false;
  if (PI_isDefineDefinition(define) && PI_isDefineMain(define)) return false;
  const char first = *PI_getDefineSimpleIdentifier(define);
  return isAsciiLetterOrDigit(first) || first == '_';
}

bool ruleAppliesTo(const NameRule& rule, PI_DefineHandle define) {
  if (rule.includeMask && !includeHolds(rule.includeMask, define)) return false;
  if (rule.defineMask && !defineHolds(rule.defineMask, define)) return false;
  if (rule.scopeMask && !scopeHolds(rule.scopeMask, define)) return false;
  if (rule.spaceMask && !spaceHolds(rule.spaceMask, define)) return false;
  if (rule.linkageMask && !linkageHolds(rule.linkageMask, define)) return false;
  if (rule.type.isSet() && !rule.type.regex.matches(PI_getDefineType(define))) return false;
  if (rule.flagMask && !flagsHold(rule.flagMask, define)) return false;
  if (rule.filename.isSet() && !filenameMatches(rule.filename.regex, define)) return false;
  if (rule.nameSpace.isSet() && !namespaceMatches(rule.nameSpace.regex, define)) return false;
  return true;
}

bool ruleAccepts(const NameRule& rule, const char* identifier) {
  const bool matches = rule.pattern.isSet() && rule.pattern.regex.matches(identifier);
  return rule.invert ? !matches : matches;
}

}  // namespace zum
