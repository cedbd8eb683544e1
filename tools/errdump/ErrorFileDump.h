// Prints an error file as readable text, one line per record, and says
// where and how a damaged file breaks.
#pragma once

#include <iosfwd>
#include <string>

// Returns false when the file could not be read or is damaged; what was
// read before the damage is printed all the same.
bool dumpErrorFile(const std::string& fileName, std::ostream& out);
