// Recognising special members by how their names are spelt.
//
// Model names carry list markers where the source had < > ( ) , (see
// anlsrslt/include/PI_Interface.h). The checks of C++ classes recognise
// constructors, copy assignments and allocation functions by spellings
// such as "@constructor()" or "::new(p."; these compare a marked name with
// such a spelling, a marker matching the character it stands for.
#pragma once

#include <cstddef>
#include <string_view>

namespace zum {

bool spellingStartsWith(std::string_view name, std::string_view spelling) noexcept;
bool spellingEndsWith(std::string_view name, std::string_view spelling) noexcept;
// The position of the first occurrence of `spelling` in `name`, or npos.
std::size_t findSpelling(std::string_view name, std::string_view spelling) noexcept;

}  // namespace zum
