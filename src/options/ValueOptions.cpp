#include "options/ValueOptions.h"

#include <sstream>

#include "options/ArgStream.h"
#include "options/OptionExceptions.h"
#include "options/OptionMatch.h"
#include "options/ShiftJis.h"
#include "options/TextTranslation.h"
#include "util/Path.h"

U_String C_fileNameFromInput(std::string_view text) { return U_Path::toSlashes(XF_toInternal(text)); }

bool C_OptionBool::parse(C_ArgStream& stream, bool hasInlineValue) {
  if (!hasInlineValue) {
    value_ = true;
    return true;
  }
  U_String text;
  stream.read(text);
  const char first = text.empty() ? '\0' : text.front();
  if (first == '+') {
    value_ = true;
  } else if (first == '-') {
    value_ = false;
  } else {
    throw C_InvalidArgValueException(std::string_view(&first, text.empty() ? 0 : 1), name());
  }
  return true;
}

bool C_OptionInt::parse(C_ArgStream& stream, bool) {
  std::istringstream in(readOptionValue(name(), stream));
  // Extraction leaves 0 when no digits come, and the nearest limit on
  // overflow: both are the values wanted.
  std::int32_t value = 0;
  in >> value;
  value_ = value;
  return true;
}

bool C_OptionString::parse(C_ArgStream& stream, bool) {
  value_ = readOptionValue(name(), stream);
  return true;
}

bool C_OptionI8NString::parse(C_ArgStream& stream, bool) {
  const U_String value = readOptionValue(name(), stream);
  try {
    value_ = XF_toInternal(value);
  } catch (XF_CharacterOutOfRangeException& failure) {
    failure.setPlace("in the value of the option '" + U_String(name()) + "'");
    throw;
  }
  return true;
}

U_String C_OptionFilename::valueText() const { return XF_toDisplay(value_); }

bool C_OptionFilename::parse(C_ArgStream& stream, bool) {
  value_ = C_fileNameFromInput(readOptionValue(name(), stream));
  return true;
}
