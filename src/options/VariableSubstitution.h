// Environment variable references in via files and configuration strings:
// "$NAME" (letters, digits, "_"), "${ANY NAME}" and "$$" for a dollar sign.
#pragma once

#include <iosfwd>
#include <string_view>

#include "util/String.h"

namespace zum {

// `line` with every reference replaced by the variable's value (nothing when
// unset). A "${" without its "}" reports the badly formed reference on
// `messages`, followed by `place` ("in 'a.via' at line 3") on a line of its
// own when given, and drops the rest of the line but its newline.
U_String substituteVariables(std::string_view line, std::ostream& messages, std::string_view place = {});

}  // namespace zum
