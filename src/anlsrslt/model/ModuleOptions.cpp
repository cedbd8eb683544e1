#include "anlsrslt/model/ModuleOptions.h"

#include <memory>

#include "options/RunSettings.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace zum {

namespace {

struct ModuleOptionState {
  // Every table built in the run; the newest is the current one.
  std::vector<std::unique_ptr<ModuleOptionTable>> tables;
};

}  // namespace

ModuleOptionTable::ModuleOptionTable(const std::vector<U_String>& prodOptions) {
  for (const U_String& option : prodOptions) {
    const std::size_t separator = option.find("::");
    if (separator == U_String::npos || separator + 2 >= option.size()) continue;
    const char* key = U_Identifier(std::string_view(option).substr(0, separator)).c_str();
    byKey_[key].push_back(U_Identifier(std::string_view(option).substr(separator + 2)).c_str());
  }
}

const std::vector<const char*>& ModuleOptionTable::values(const char* key) const {
  static const std::vector<const char*> none;
  // A key never interned has no values; looking it up must not intern it.
  const char* interned = U_SingletonStringStore<SimpleStringCompare>::instance().find(key);
  auto found = interned ? byKey_.find(interned) : byKey_.end();
  return found == byKey_.end() ? none : found->second;
}

const ModuleOptionTable& moduleOptions() {
  auto& tables = ProcessState::get<ModuleOptionState>().tables;
  const C_RunSettings& settings = C_runSettings();
  if (tables.empty() || settings.alwaysFirst) {
    tables.push_back(std::make_unique<ModuleOptionTable>(settings.moduleOptions));
  }
  return *tables.back();
}

OptionValueParts splitOptionValue(std::string_view option) {
  OptionValueParts parts;
  const std::size_t at = option.find_first_of(" +-=");
  if (at == std::string_view::npos) {
    parts.name = option;
    return parts;
  }
  parts.name = option.substr(0, at);
  parts.separator = option[at];
  parts.value = option.substr(at + 1);
  return parts;
}

}  // namespace zum
