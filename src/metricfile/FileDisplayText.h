// How a file name is shown in metric lines.
#pragma once

#include <string_view>

#include "util/Filename.h"
#include "util/String.h"

// The absolute half of `file` when "expandfilenames" is on, else the name
// as given; '/' turned into '\' unless "os-independent-slash" is set;
// double quotes around the result when it holds a blank or a tab. An unset
// file shows as "". The last answer is kept for the process, since metric
// lines mostly name the same file many times in a row.
U_String M_fileDisplayText(const XF_Filename& file);

// `text` in double quotes when it holds a blank or a tab, else unchanged;
// readers take a quoted file-name token whole.
U_String M_quoteWhenBlank(std::string_view text);
