// Parameters into message texts. A message text refers to the parameters
// of its diagnostic as "%1s", "%2s" ... ("%s" and "%0s" are the first):
//
//   'Value %2s of %1s' with "a", "b"  ->  'Value b of a'
//   '%3s' with two parameters         ->  '{parameter 3 not available}'
//   '%d', '50%% done'                  ->  unchanged
//   '\n', '\t'                         ->  newline, tab; '\x' -> 'x'
#pragma once

#include <string_view>

#include "util/String.h"

class M_Diagnostic;

U_String M_substituteParameters(std::string_view text, const M_Diagnostic& diagnostic);
