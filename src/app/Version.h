// The version of zum, as its reports name it.
#pragma once

namespace zum {

inline constexpr const char* kVersion = "1.0";

}  // namespace zum
