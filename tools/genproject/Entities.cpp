#include "Entities.h"

namespace genproject {

std::string Function::typeCode() const {
  std::string code = "(";
  for (size_t i = 0; i < params.size(); ++i) {
    if (i) code += ',';
    code += params[i].type.code;
  }
  code += ')';
  code += result.code;
  return code;
}

}  // namespace genproject
