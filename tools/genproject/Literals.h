// Literal records of every kind the analyser reports: decimal, hex, octal,
// binary, floating, character and string, plain, escaped and wide, with and
// without suffixes and signs.
#pragma once

#include <string>
#include <string_view>

#include "Random.h"

namespace genproject {

struct LiteralPlace {
  std::string_view file;
  int line = 0;
  bool inHeader = false;
  char scope = 'F';
  char context = 'O';
};

void writeRandomLiteral(std::string& out, Random& random, const LiteralPlace& place);
void writeNumberLiteral(std::string& out, int64_t value, const LiteralPlace& place, int column);
void writeStringLiteral(std::string& out, std::string_view contents, const LiteralPlace& place, int column);

}  // namespace genproject
