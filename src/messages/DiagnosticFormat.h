// A diagnostic rendered as text by a format string (see FormatLexer.h for
// the language), with its message text from the run's message table.
//
// The previous location that "%F", "%L", "%C" and "%^" compare with is one
// for the process: a rendering whose format holds "%Q" forgets it
// afterwards, otherwise one that holds "%q" sets it to the diagnostic's
// location. With the debug switch "show-format" the token list and then
// the result are written to standard output, each with a newline.
#pragma once

#include <string_view>

#include "util/String.h"

class M_Diagnostic;
class M_MessageTable;

// Throws FM_ParseException for a format with an error. `depth` is 0 for a
// diagnostic and one more for each message list it is listed in.
U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth);
// The same with the texts and levels of `table` instead of the run's.
U_String M_formatDiagnostic(const M_Diagnostic& diagnostic, std::string_view format, int depth,
                            const M_MessageTable& table);
