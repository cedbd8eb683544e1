#include "checks/ExcludedDefine.h"

#include <cstring>

namespace zum {

bool isExcludedDefine(PI_DefineHandle define) {
  // The cheap tests on the define's codes come first; the name parts are
  // computed (and cached by the model) only for what is left.
  if (PI_isDefineImplicit(define) && !PI_isDefineDefinition(define)) return true;
  if (PI_isDefineFunction(define) && PI_isDefineMember(define)) return true;
  if (!PI_hasDefineExternalLinkage(define)) return true;
  if (!PI_isDefineVariable(define) && !PI_isDefineFunction(define)) return true;
  if (std::strcmp(PI_getDefineIdentifier(define), "main") == 0) return true;
  if (std::strstr(PI_getDefineScope(define), "::@UN") != nullptr) return true;
  return *PI_getDefineTemplateParameters(define) != '\0';
}

}  // namespace zum
