#include "messages/LocationText.h"

#include <string>

#include "util/Location.h"

void M_appendLocationText(U_String& out, const U_Location& location) {
  if (!location.isSet()) {
    out += "nofile.cc:0";
    return;
  }
  out += location.file().given().view();
  out += ':';
  out += std::to_string(location.line());
  if (location.column() > 0) {
    out += ':';
    out += std::to_string(location.column());
  }
}

U_String M_locationText(const U_Location& location) {
  U_String out;
  M_appendLocationText(out, location);
  return out;
}
