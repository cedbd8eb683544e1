#include "anlsrslt/model/NameParts.h"

#include <deque>
#include <string>

#include "anlsrslt/model/QualifiedName.h"
#include "util/FlatMap.h"
#include "util/ProcessState.h"

namespace {

struct NamePartsCache {
  zum::FlatMap<const char*, const P_NameParts*> byName;
  std::deque<P_NameParts> parts;  // stable addresses
  std::string scratch;
};

}  // namespace

namespace zum {

bool isTemplateOrSpecialisationName(std::string_view marked) noexcept {
  if (marked.find(kTemplateOpen) == std::string_view::npos) return false;
  NameSplit split = splitLastComponent(marked);
  return !templateParametersOf(identifierOf(split.component)).empty() ||
         split.scope.find(kTemplateOpen) != std::string_view::npos;
}

}  // namespace zum

const P_NameParts& P_nameParts(U_Identifier qualName) {
  NamePartsCache& cache = zum::ProcessState::get<NamePartsCache>();
  auto [entry, created] = cache.byName.tryEmplace(qualName.pointer());
  if (!created) return **entry;

  std::string_view name = qualName.view();
  zum::NameSplit split = zum::splitLastComponent(name);
  std::string_view identifier = zum::identifierOf(split.component);
  P_NameParts& parts = cache.parts.emplace_back();
  parts.scope = U_Identifier(split.scope);
  parts.component = U_Identifier(split.component);
  parts.identifier = U_Identifier(identifier);
  parts.simpleIdentifier = U_Identifier(zum::simpleIdentifierOf(split.component));
  parts.templateParameters = U_Identifier(zum::templateParametersOf(identifier));
  zum::removeTemplateArguments(name, cache.scratch);
  parts.noTemplateArgs = U_Identifier(cache.scratch);
  parts.templateOrSpecialisation = !parts.templateParameters.empty() ||
                                   split.scope.find(zum::kTemplateOpen) != std::string_view::npos;
  *entry = &parts;
  return parts;
}
