#include "messages/BinaryFile.h"

#include "util/InputFile.h"

int R_readWholeFile(const U_String& path, std::string& bytes) { return zum::readRegularFile(path, bytes); }
