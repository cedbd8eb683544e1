#include "messages/ErrorFileName.h"

#include "util/Path.h"

U_String M_perSourceFileName(std::string_view outputDirectory, std::string_view sourceName,
                             std::string_view extension) {
  return U_Path::addExtension(U_Path::join(outputDirectory, U_Path::baseName(sourceName)), extension);
}

U_String M_errorFileName(std::string_view outputDirectory, std::string_view sourceName) {
  return M_perSourceFileName(outputDirectory, sourceName, "err");
}
