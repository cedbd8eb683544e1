// The short text of a place used by debug output: file ":" line, with
// ":" column when the column is above 0; "nofile.cc:0" without a place.
#pragma once

#include "util/String.h"

class U_Location;

U_String M_locationText(const U_Location& location);
void M_appendLocationText(U_String& out, const U_Location& location);
