// Where a source's per-file outputs lie: the output directory joined with
// the source's base name, plus the extension ('src/a.c' -> 'out/a.c.err').
#pragma once

#include <string_view>

#include "util/String.h"

U_String M_perSourceFileName(std::string_view outputDirectory, std::string_view sourceName,
                             std::string_view extension);
// The error file of a source ("err").
U_String M_errorFileName(std::string_view outputDirectory, std::string_view sourceName);
