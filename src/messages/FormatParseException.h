// A format string that cannot be lexed. It carries the rest of the format
// from the place where lexing failed ("Unexpected end" when the format
// ended where more was required).
#pragma once

#include <iosfwd>

#include "util/Exception.h"
#include "util/String.h"

class FM_ParseException : public U_Exception {
 public:
  explicit FM_ParseException(U_String rest);

  const U_String& rest() const noexcept { return rest_; }
  // "Error in format string '<rest>'".
  const char* what() const noexcept override { return message_.c_str(); }
  // "Error in format string at :<rest>".
  void print(std::ostream& out) const;

 private:
  U_String rest_;
  U_String message_;
};
