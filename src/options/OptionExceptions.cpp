#include "options/OptionExceptions.h"

#include <string>

namespace {

U_String join(std::string_view a, std::string_view b, std::string_view c = {}, std::string_view d = {},
              std::string_view e = {}) {
  U_String text;
  text.reserve(a.size() + b.size() + c.size() + d.size() + e.size());
  text.append(a).append(b).append(c).append(d).append(e);
  return text;
}

}  // namespace

C_InvalidArgException::C_InvalidArgException(std::string_view argument)
    : C_ConfigurationException(join("\nERROR: Unknown argument: ", argument, "\n\n")) {}

C_ValueExpectedException::C_ValueExpectedException(std::string_view optionName)
    : C_ConfigurationException(join("\nERROR: Argument expected after ", optionName, "\n\n")) {}

C_InvalidArgValueException::C_InvalidArgValueException(std::string_view value, std::string_view optionName)
    : C_ConfigurationException(
          join("\nERROR: ", value, " is not a valid argument for option: ", optionName, "\n\n")) {}

C_InvalidViaException::C_InvalidViaException(std::string_view fileName)
    : C_InvalidArgValueException(join("\nERROR: Unable to open ", fileName, "\n\n")) {}

C_ZeroByteException::C_ZeroByteException(std::string_view fileName, int line)
    : C_ConfigurationException(
          join("\nERROR: Unexpected zero byte in '", fileName, "' at line ", std::to_string(line), "\n\n")) {}
