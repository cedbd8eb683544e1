#include "checks/NameText.h"

#include "anlsrslt/model/NameParts.h"
#include "anlsrslt/model/QualifiedName.h"

namespace zum {

std::string_view simpleIdentifierIn(const char* qualName) {
  return simpleIdentifierOf(splitLastComponent(qualName).component);
}

namespace {

// Where a simple identifier cannot reach across: a "::" and the opening
// list markers. A name with braces is split exactly, since braces hide a
// "::" as lists do.
bool breaksIdentifier(std::string_view name, std::size_t at) {
  const char c = name[at];
  return c == kTemplateOpen || c == kParamsOpen || (c == ':' && at + 1 < name.size() && name[at + 1] == ':');
}

}  // namespace

bool mayHaveSimpleIdentifierOf(std::string_view qualName, std::size_t length) {
  if (length == 0 || qualName.find('{') != std::string_view::npos) return true;
  // The simple identifier lies within a run of bytes without a break: it
  // starts after the last "::" outside the lists and ends at a marker.
  // Each window of `length` bytes is read from its end down to the first
  // break, and the next window starts after it; bytes already known to be
  // free of breaks are not read again.
  std::size_t start = 0;
  std::size_t knownEnd = 0;  // [start, knownEnd) holds no break
  while (start + length <= qualName.size()) {
    const std::size_t end = start + length;
    std::size_t at = end;
    while (at > knownEnd && !breaksIdentifier(qualName, at - 1)) --at;
    if (at == knownEnd) return true;
    start = at;
    knownEnd = end;
  }
  return false;
}

std::string_view unqualifiedNameOf(PI_DefineHandle define) {
  const std::string_view component = splitLastComponent(PI_getDefineQualName(define)).component;
  return PI_isDefineFunction(define) ? component : identifierOf(component);
}

bool isTemplateOrSpecialisation(PI_DefineHandle define) {
  return isTemplateOrSpecialisationName(std::string_view(PI_getDefineQualName(define)));
}

}  // namespace zum
