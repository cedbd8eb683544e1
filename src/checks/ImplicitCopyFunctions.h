// Implicit copy functions nothing uses (messages 1701 and 1702), for the
// C++ product: the copy constructor or copy assignment that the compiler
// made for a class (neither POD nor an aggregate) and that no call
// reaches, directly or through copying a class that holds or derives from
// it.
#pragma once

namespace zum {

void configureClassMember();

}  // namespace zum
