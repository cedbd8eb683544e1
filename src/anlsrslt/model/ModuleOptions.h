// The options of the analysis modules: every "prodoption" value of the
// form KEY::VALUE, filed as VALUE under KEY.
//
// A value is split at its first "::"; it is filed when "::" occurs and at
// least one character follows it (values without "::" are someone else's).
// Several values per key keep their command-line order. Keys and values are
// interned.
//
// An option value is a name, optionally followed by one separator out of
// " ", "+", "-", "=" and the rest: "Flag+", "Flag-", "Level=3", "Mode fast".
#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "util/String.h"

namespace zum {

class ModuleOptionTable {
 public:
  // From the values of the option "prodoption".
  explicit ModuleOptionTable(const std::vector<U_String>& prodOptions);

  // The values filed under `key` (interned); an empty list for an unknown key.
  const std::vector<const char*>& values(const char* key) const;

 private:
  std::map<const char*, std::vector<const char*>> byKey_;  // interned key -> values
};

// The table of the run: built at the first call, and afresh on every call
// while the debug switch "always-first" is set (iterations over an earlier
// table stay valid).
const ModuleOptionTable& moduleOptions();

struct OptionValueParts {
  std::string_view name;
  char separator = 0;  // 0 when there is none
  std::string_view value;
};
OptionValueParts splitOptionValue(std::string_view option);

}  // namespace zum
