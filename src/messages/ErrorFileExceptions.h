// Failures around error files: opening, versions, record types, and the
// text and integer fields of the older generation.
#pragma once

#include <cstdint>

#include "util/Exception.h"

class M_ErrorFileException : public U_UserException {
 protected:
  explicit M_ErrorFileException(U_String message) : U_UserException(std::move(message)) {}
};

// Also raised when a source's error file cannot be opened for reading.
class M_BadFileOpenException : public M_ErrorFileException {
 public:
  explicit M_BadFileOpenException(const U_String& fileName);
};

class M_BadErrorFileVersion : public M_ErrorFileException {
 public:
  explicit M_BadErrorFileVersion(std::int32_t found);
};

class M_BadVersionForAppendException : public M_ErrorFileException {
 public:
  explicit M_BadVersionForAppendException(std::int32_t found);
};

class M_BadInfoTypeException : public M_ErrorFileException {
 public:
  M_BadInfoTypeException() : M_ErrorFileException("unknown error record type in error file") {}
};

// The word after an older diagnostic's parameters is not 0.
class M_HasListParameterException : public M_ErrorFileException {
 public:
  M_HasListParameterException() : M_ErrorFileException("error file has string list parameter") {}
};

class M_BadTextReadException : public M_ErrorFileException {
 public:
  M_BadTextReadException() : M_ErrorFileException("problems reading a text string from error file") {}
};

class M_BadIntWriteException : public M_ErrorFileException {
 public:
  M_BadIntWriteException() : M_ErrorFileException("problems writing an int from error file") {}
};

class M_BadTextWriteException : public M_ErrorFileException {
 public:
  M_BadTextWriteException() : M_ErrorFileException("problems writing a text string from error file") {}
};

// Lower-case hexadecimal of the word's 32 bits, without prefix: "8200".
U_String M_hexWord(std::int32_t word);
