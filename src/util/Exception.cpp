#include "util/Exception.h"

#include <ostream>

void U_UserException::print(std::ostream& out) const { out << what(); }

void U_UserException::addContext(std::string_view line) {
  std::size_t end = message_.size();
  while (end > 0 && message_[end - 1] == '\n') --end;
  const U_String closing = message_.substr(end);
  message_.resize(end);
  message_ += "\n  ";
  message_ += line;
  message_ += closing;
}
