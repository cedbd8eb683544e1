#include "checks/ClassNames.h"

#include <string>

#include "anlsrslt/model/QualifiedName.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace zum {

namespace {

// Types are interned and few: each is worked out once.
struct ClassOfTypeMemo {
  FlatMap<const char*, const char*> classOf;
  FlatMap<const char*, const char*> tagOf;
  std::string scratch;
};

// The interned name spelt by `name` once its lists are marked; null when
// the run never interned it (then no class of the run has that name).
const char* internedMarkedName(std::string_view name, std::string& scratch) {
  if (name.empty()) return nullptr;
  markQualifiedName(name, scratch);
  return U_SingletonStringStore<SimpleStringCompare>::instance().find(scratch);
}

std::string_view elementTypeOf(std::string_view type) {
  while (type.size() > 4 && type.front() == '[') {
    const std::size_t comma = type.find(',');
    const std::size_t close = type.rfind(']');
    if (comma == std::string_view::npos || close == std::string_view::npos || close <= comma) return {};
    type = type.substr(comma + 1, close - comma - 1);
  }
  return type;
}

std::string_view classNameOfTagType(std::string_view type) {
  if (type.size() <= 3 || type.front() != '{' || type.back() != '}') return {};
  if (type[1] == 'u' || type[1] == 'e') return {};
  return type.substr(2, type.size() - 3);
}

}  // namespace

const char* classOfValueType(const char* type) {
  if (!type || !*type) return nullptr;
  ClassOfTypeMemo& memo = ProcessState::get<ClassOfTypeMemo>();
  auto [known, isNew] = memo.classOf.tryEmplace(type);
  if (!isNew) return *known;
  const char* found = internedMarkedName(classNameOfTagType(elementTypeOf(type)), memo.scratch);
  *known = found;
  return found;
}

const char* tagNameOfType(const char* type) {
  if (!type || type[0] != '{') return nullptr;
  ClassOfTypeMemo& memo = ProcessState::get<ClassOfTypeMemo>();
  auto [known, isNew] = memo.tagOf.tryEmplace(type);
  if (!isNew) return *known;
  // "{" kind name "}": the name starts after the kind letter.
  std::string_view text(type);
  const char* found = nullptr;
  if (text.size() >= 3 && text.back() == '}') found = internedMarkedName(text.substr(2, text.size() - 3), memo.scratch);
  *known = found;
  return found;
}

const char* internedPrefix(std::string_view name, std::size_t length) {
  return U_Identifier(name.substr(0, length)).c_str();
}

}  // namespace zum
