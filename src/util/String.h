// The program's byte string. Everything textual converts to and from it.
#pragma once

#include <string>
#include <string_view>

using U_String = std::string;
