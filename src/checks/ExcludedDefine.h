// Which defines the checks of externals used too locally never look at.
#pragma once

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

// True for an implicit define that is no definition, a member function,
// anything without external linkage, anything that is neither a variable
// nor a function, "main", anything in an unnamed namespace and templates.
bool isExcludedDefine(PI_DefineHandle define);

}  // namespace zum
