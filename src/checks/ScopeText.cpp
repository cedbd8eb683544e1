#include "checks/ScopeText.h"

#include "anlsrslt/model/QualifiedName.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace zum {

namespace {

constexpr char kUnknownScopeText[] = "?";

// Names repeat across relations: each is split once.
struct ScopeTextMemo {
  FlatMap<const char*, const char*> scopeOf;
};

const char* lookUpScope(const char* qualName) {
  const std::string_view scope = scopeOfName(qualName);
  if (scope.empty()) return "";
  const char* known = U_SingletonStringStore<SimpleStringCompare>::instance().find(scope);
  return known ? known : kUnknownScope;
}

}  // namespace

const char* const kUnknownScope = kUnknownScopeText;

const char* scopeTextOf(const char* qualName) {
  auto [scope, isNew] = ProcessState::get<ScopeTextMemo>().scopeOf.tryEmplace(qualName);
  if (isNew) *scope = lookUpScope(qualName);
  return *scope;
}

}  // namespace zum
