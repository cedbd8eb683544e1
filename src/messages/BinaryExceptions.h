// Failures of binary reading and writing (error files of the current
// generation, and the byte-level reading of both generations).
#pragma once

#include "util/Exception.h"

class R_ReadingException : public U_UserException {
 public:
  R_ReadingException() : U_UserException("Problems reading binary file.") {}

 protected:
  explicit R_ReadingException(U_String message) : U_UserException(std::move(message)) {}
};

// A read inside a record failed or met the end of the file.
class R_ReadingReadException : public R_ReadingException {
 public:
  explicit R_ReadingReadException(int error);
};

// The look-ahead for the next record failed without reaching the end.
class R_ReadingEOFException : public R_ReadingException {
 public:
  explicit R_ReadingEOFException(int error);
};

class R_WritingException : public U_UserException {
 public:
  R_WritingException() : U_UserException("Problems writing binary file.") {}
};
