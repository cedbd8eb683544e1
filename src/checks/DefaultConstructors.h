// Unused default constructors (message 1700), for the C++ product: a
// default constructor that is not private and that no code of the project
// calls, and whose class is never default-constructed as a variable, a
// member, a base or an allocation.
#pragma once

namespace zum {

void configureUnusedDefaultConstructor();

}  // namespace zum
