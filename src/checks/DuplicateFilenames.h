// Files of the project (sources and the headers they include) that share a
// base name: messages 1515 (the same base name), 1516 (the same base name
// when letter case is ignored) and 1517 (a header that forwards to another
// file of its base name).
#pragma once

#include <string_view>

namespace zum {

void configureDuplicateFilenames();

// The text after the last "/" (a single trailing "/" ignored).
std::string_view baseNameOf(std::string_view file) noexcept;

}  // namespace zum
