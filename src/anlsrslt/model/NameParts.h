// The parts of a define's qualified name that the queries hand out:
// computed once per qualified name, interned, and kept for the run, so a
// second request returns the same pointer without any work.
#pragma once

#include <string_view>

#include "util/StringStore.h"

struct P_NameParts {
  U_Identifier scope;               // "" at file scope
  U_Identifier component;           // the last component, parameter list included
  U_Identifier identifier;          // the last component without its parameter list
  U_Identifier simpleIdentifier;    // up to the first list marker
  U_Identifier templateParameters;  // of the identifier, markers included; "" when none
  U_Identifier noTemplateArgs;      // the whole name without template argument lists
  bool templateOrSpecialisation = false;
};

// The parts of `qualName` (a marked, interned name); the reference stays
// valid for the run.
const P_NameParts& P_nameParts(U_Identifier qualName);

namespace zum {
// Without caching or interning: true when the identifier has template
// parameters or the scope a template argument list.
bool isTemplateOrSpecialisationName(std::string_view marked) noexcept;
}  // namespace zum
