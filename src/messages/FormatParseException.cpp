#include "messages/FormatParseException.h"

#include <ostream>

FM_ParseException::FM_ParseException(U_String rest)
    : rest_(std::move(rest)), message_("Error in format string '" + rest_ + "'") {}

void FM_ParseException::print(std::ostream& out) const { out << "Error in format string at :" << rest_; }
