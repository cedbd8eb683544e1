#include "util/Exception.h"

#include <ostream>

void U_UserException::print(std::ostream& out) const { out << what(); }
