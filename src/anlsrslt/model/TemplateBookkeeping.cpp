#include "anlsrslt/model/TemplateBookkeeping.h"

#include "anlsrslt/model/QualifiedName.h"
#include "util/ProcessState.h"

P_TemplateBookkeeping& P_templateBookkeeping() { return zum::ProcessState::get<P_TemplateBookkeeping>(); }

const char* P_TemplateBookkeeping::templateKey(const P_Define& def) {
  std::string_view name = def.qualName().view();
  if (def.isFunction()) {
    zum::NameSplit split = zum::splitLastComponent(name);
    std::size_t identifierEnd =
        static_cast<std::size_t>(split.component.data() - name.data()) + zum::identifierOf(split.component).size();
    name = name.substr(0, identifierEnd);
  }
  zum::removeTemplateArguments(name, scratch_);
  return U_Identifier(std::string_view(scratch_)).pointer();
}

bool P_TemplateBookkeeping::record(P_Define* def, bool templateOrSpecialisation) {
  if (!isDerived(*def)) {
    if (templateOrSpecialisation) {
      auto [entry, created] = templateByKey_.tryEmplace(templateKey(*def));
      if (created || (!(*entry)->isDefinition() && def->isDefinition())) *entry = def;
    }
    return true;
  }

  const char* key = templateKey(*def);
  Derivation& derivation = *derivation_.tryEmplace(def).first;
  derivation.key = key;
  if (def->hasBit(P_DefineCodeP)) {
    partialByKey_[key] = def;
  } else if (P_Define** partial = partialByKey_.find(key)) {
    derivation.partial = *partial;
  }
  derived_.push_back(def);

  const bool generated = def->hasFlag(P_FlagU) && !def->hasBit(P_DefineCodeX);
  return !(templateOrSpecialisation && generated);
}

P_Define* P_TemplateBookkeeping::originStep(const P_Define* def) const noexcept {
  const Derivation* derivation = derivation_.find(def);
  if (!derivation) return nullptr;
  if (derivation->partial) return derivation->partial;
  P_Define* const* origin = templateByKey_.find(derivation->key);
  return origin && *origin != def ? *origin : nullptr;
}
