// The configuration errors: a bad command line, option or configuration.
// They end a run with their text, the usage and exit code 10 unless a
// thrower asks for another code.
#pragma once

#include <string_view>

#include "util/Exception.h"

class C_ConfigurationException : public U_UserException {
 public:
  explicit C_ConfigurationException(U_String text) : U_UserException(std::move(text)) {}
  C_ConfigurationException(U_String text, int exitCode)
      : U_UserException(std::move(text)), exitCode_(exitCode), useExitCode_(true) {}

  int exitCode() const noexcept { return exitCode_; }
  bool useExitCode() const noexcept { return useExitCode_; }

 private:
  int exitCode_ = 10;
  bool useExitCode_ = false;
};

class C_InvalidArgException : public C_ConfigurationException {
 public:
  explicit C_InvalidArgException(std::string_view argument);
};

class C_ValueExpectedException : public C_ConfigurationException {
 public:
  explicit C_ValueExpectedException(std::string_view optionName);
};

class C_InvalidArgValueException : public C_ConfigurationException {
 public:
  C_InvalidArgValueException(std::string_view value, std::string_view optionName);

 protected:
  explicit C_InvalidArgValueException(U_String text) : C_ConfigurationException(std::move(text)) {}
};

class C_InvalidViaException : public C_InvalidArgValueException {
 public:
  explicit C_InvalidViaException(std::string_view fileName);
};

// A zero byte in a via, list, defaults or configuration file: not text, and
// the words around it would be misread. Always an error, whatever
// "errorinvalidcfgvalue" says.
class C_ZeroByteException : public C_ConfigurationException {
 public:
  C_ZeroByteException(std::string_view fileName, int line);
};
