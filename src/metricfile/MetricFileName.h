// How per-source and project metric files are named. The reader of the
// per-source files and the project metric writer share this rule, so a
// project metric file is found again when the project is read back.
#pragma once

#include <string_view>

#include "util/String.h"

// The output directory joined with the base name of `source`, then ".met":
// source 'src/a.c' in directory 'out' gives 'out/a.c.met'.
U_String M_metricFileName(std::string_view source, std::string_view outputDirectory);
