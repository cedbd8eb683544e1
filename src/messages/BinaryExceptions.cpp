#include "messages/BinaryExceptions.h"

#include <cstring>
#include <string>

namespace {

U_String withErrno(const char* lead, int error) {
  return U_String(lead) + "errno (" + std::to_string(error) + "): " + std::strerror(error);
}

}  // namespace

R_ReadingReadException::R_ReadingReadException(int error)
    : R_ReadingException(withErrno("Problems reading binary file. ", error)) {}

R_ReadingEOFException::R_ReadingEOFException(int error)
    : R_ReadingException(withErrno("Problems reading binary file at eof. ", error)) {}
