// Lexing of format strings: the text that says how a diagnostic is shown,
// such as "%f:%l: %t". Lexing also checks the structure (conditions with
// their groups, balanced groups, the arguments of "%w", "%i", "%R" ...), so
// that a lexed format always evaluates.
//
//   text        written as it stands; "%%" writes '%', a '%' at the end
//               writes '%', '%' before a character that is no directive
//               writes both
//   %g %n %N    level number, message number, the number with 4 digits
//   %f %F %B    file as given, absolute path, base name
//   %l %c %C    line, column, column minus 1
//   %^          a caret line under the column
//   %t %v       the message text, the second text
//   %u %h       depth (condition value), error flag (condition value only)
//   %wN %WN %sN line mode: hard breaks at N, breaks at blanks, cut at N
//   %i(text)    continuation text of broken lines
//   %q %Q       remember this location / forget the remembered one
//   %R(%x,text) the text repeated as many times as the value of %x
//   %?x[op N]%(then%:else%)   condition on the value of x (no '%' before x)
//   %( ... %)   a group
#pragma once

#include <string_view>

#include "messages/FormatParseException.h"
#include "messages/FormatToken.h"

// Throws FM_ParseException with the rest of the format from the place of
// the first error.
FM_TokenList FM_lexFormat(std::string_view format);
