#include "messages/ErrorFileExceptions.h"

#include <cstdio>

#include "messages/ErrorFileFormat.h"

U_String M_hexWord(std::int32_t word) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(static_cast<std::uint32_t>(word)));
  return text;
}

M_BadFileOpenException::M_BadFileOpenException(const U_String& fileName)
    : M_ErrorFileException("Cannot write error file '" + fileName + "'.") {}

M_BadErrorFileVersion::M_BadErrorFileVersion(std::int32_t found)
    : M_ErrorFileException("Error file has incorrect version: " + M_hexWord(found) +
                           ". Expected: " + M_hexWord(M_ErrorFileFormat::kCurrentVersion) + "\n") {}

M_BadVersionForAppendException::M_BadVersionForAppendException(std::int32_t found)
    : M_ErrorFileException("Cannot append to error file with incorrect version.  Error file has version: " +
                           M_hexWord(found) + ". Expected: " + M_hexWord(M_ErrorFileFormat::kCurrentVersion) +
                           "\n") {}
