// The number of call relations the model keeps, so that lists built from
// them are allocated once.
#pragma once

#include <cstddef>

namespace zum {

std::size_t callRelationCount();

}  // namespace zum
