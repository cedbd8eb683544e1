// Memory for the small reference-counted objects that the end of a run
// makes and drops by the hundred thousand: diagnostics, their parameters,
// locations and entity names. Each would otherwise cost a malloc and a
// free (about 200 instructions together); here a freed object's memory is
// kept on a free list of its size class and serves the next object of that
// class in a few instructions.
//
// Memory taken is never handed back (the run keeps its heap anyway). The
// program runs on one thread. Under the address sanitizer every object
// gets its own allocation, so that a use after release is still caught.
#pragma once

#include <cstddef>

namespace zum {

// For the class-specific operator new and delete of such a class (derived
// classes inherit them; a delete through a virtual destructor hands on the
// size of the object's own class).
void* allocateSmallObject(std::size_t size);
void freeSmallObject(void* object, std::size_t size) noexcept;

}  // namespace zum
