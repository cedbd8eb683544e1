// One unqualified name used for objects or functions of different linkage
// or storage across the project: messages 1525 to 1529, 1720 and 1721.
#pragma once

namespace zum {

void configureIdentifierReuse();

}  // namespace zum
