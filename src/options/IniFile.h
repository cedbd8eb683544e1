// Reads one value from an initialisation file of "[section]" headers and
// "key=value" lines, as the product's settings files on disk are written.
#pragma once

#include <string_view>

#include "util/String.h"

namespace zum {

// The value of `key` in `section` (both compared ignoring letter case),
// without surrounding blanks or one pair of surrounding quotes, cut to
// `maxLength` bytes; "" when the file, section or key is missing.
U_String readIniValue(const U_String& path, std::string_view section, std::string_view key,
                      std::size_t maxLength = 99);

}  // namespace zum
