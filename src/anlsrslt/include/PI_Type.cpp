// Queries on type strings. An array type is "[" dimension "," element "]",
// the dimension "?" or "0" when the array is undimensioned: "[10,[20,ni]]".
#include <cstring>
#include <string_view>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/FieldScanner.h"
#include "util/Assert.h"
#include "util/StringStore.h"

namespace {

constexpr const char* kUnit = "TypeString";

void requireArray(const char* type) {
  U_require(PI_isTypeArray(type), kUnit, __LINE__, "P_isTypeArray (type) && \"We should only ask array types\"");
}

}  // namespace

bool P_isUndimArray(const char* type) {
  requireArray(type);
  return type[1] == '0' || type[1] == '?';
}

extern "C" {

bool PI_isTypeArray(const char* type) {
  U_require(type != nullptr && std::strlen(type) > 0, kUnit, __LINE__,
            "strlen (type) > 0 && \"Our type string should have a length greater than 0\"");
  if (type[0] != '[') return false;
  U_require(std::strlen(type) > 4, kUnit, __LINE__,
            "strlen (type) > 4 && \"An array type string should have a length greater than 4\"");
  return true;
}

bool PI_isUndimArray(const char* type) { return P_isUndimArray(type); }

const char* PI_getArrayElemType(const char* type) {
  requireArray(type);
  std::string_view text(type);
  std::size_t comma = text.find(',');
  std::size_t close = text.rfind(']');
  if (comma == std::string_view::npos || close == std::string_view::npos || close <= comma) return U_Identifier("").c_str();
  return U_Identifier(text.substr(comma + 1, close - comma - 1)).c_str();
}

int PI_getArrayDimension(const char* type) {
  U_require(!P_isUndimArray(type), kUnit, __LINE__,
            "! P_isUndimArray (type) && \"We should only ask dimensioned arrays for their dimensions\"");
  return zum::leadingInt(type + 1);
}

bool PI_areTypesEqual(const char* a, const char* b) { return a == b; }

}  // extern "C"
