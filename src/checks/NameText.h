// Parts of a define's qualified name as the plug-in interface gives them
// (PI_getDefineSimpleIdentifier, PI_getDefineUnqualName,
// PI_isTemplateOrSpecialisation), worked out from the text alone.
//
// The interface interns every part of a name the first time it is asked
// for one; checks that look at millions of names, or report about as many,
// need only views into the name.
#pragma once

#include <cstddef>
#include <string_view>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// The last component up to its first list marker.
std::string_view simpleIdentifierIn(const char* qualName);
// False only when the simple identifier of `qualName` is shorter than
// `length` (or starts with "@"); looks at a few bytes of the name where
// splitting it would read them all.
bool mayHaveSimpleIdentifierOf(std::string_view qualName, std::size_t length);
// For a function the last component with its parameter list; for anything
// else the last component without one.
std::string_view unqualifiedNameOf(PI_DefineHandle define);
// The identifier has template parameters or the scope a template argument
// list.
bool isTemplateOrSpecialisation(PI_DefineHandle define);

}  // namespace zum
