// The root of every failure the program raises on purpose.
#pragma once

#include <exception>
#include <iosfwd>
#include <string_view>

#include "util/String.h"

class U_Exception : public std::exception {
 public:
  const char* what() const noexcept override { return "don't know cause"; }
};

// A failure a user can cause and must read; carries its ready message.
class U_UserException : public U_Exception {
 public:
  U_UserException() : message_("UserException: don't know cause") {}
  explicit U_UserException(U_String message) : message_(std::move(message)) {}

  const char* what() const noexcept override { return message_.c_str(); }
  virtual void print(std::ostream& out) const;

  // Adds a line that says where the failure lies ("in 'out/a.c.err' at
  // byte 37") after the message, which stays as it is: the new line goes
  // after its text and before the line ends it may close with.
  void addContext(std::string_view line);

 protected:
  void setMessage(U_String message) { message_ = std::move(message); }

 private:
  U_String message_;
};

// Thrown after an assertion has reported itself; carries nothing.
class U_AssertException : public U_Exception {};
