// Objects whose memory is allocated in different ways in different files:
// message 1530 with one sub-message per allocation (3966 to 3968).
#pragma once

namespace zum {

void configureAllocationMismatch();

}  // namespace zum
