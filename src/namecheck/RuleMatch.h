// Which defines the name check looks at, which rules apply to a define, and
// whether a rule accepts its identifier.
#pragma once

#include "anlsrslt/include/PI_Interface.h"
#include "namecheck/NameRule.h"

namespace zum {

// Whether the define's identifier is checked at all: not for an implicit
// define that defines nothing, a define without a line, the definition of
// "main", or an identifier that begins with anything but a letter, a digit
// or '_' (names the analyser made up).
bool isNameChecked(PI_DefineHandle define);

// Whether every condition the rule sets holds for the define.
bool ruleAppliesTo(const NameRule& rule, PI_DefineHandle define);

// Whether the rule accepts `identifier`: it matches the pattern (no pattern
// matches nothing), or with invert it does not.
bool ruleAccepts(const NameRule& rule, const char* identifier);

}  // namespace zum
