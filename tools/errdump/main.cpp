// zum-errdump FILE...: prints every record of each error file (either
// generation) as text. Exits with 1 when a file is missing or damaged, after
// printing what it could read.
#include <cstring>
#include <iostream>

#include "ErrorFileDump.h"
#include "options/RunSettings.h"

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
    std::cerr << "usage: zum-errdump FILE...\n"
                 "Prints each record of the error files: the version, section starts,\n"
                 "diagnostics with their include and instantiation chains, and\n"
                 "suppression records, each with its byte offset.\n";
    return 2;
  }
  // The dump shows everything a location carries.
  C_RunSettings settings;
  settings.showIncludeChain = true;
  settings.showInstantiationChain = true;
  C_publishRunSettings(settings);
  bool allRead = true;
  for (int i = 1; i < argc; ++i) allRead = dumpErrorFile(argv[i], std::cout) && allRead;
  std::cout.flush();
  return allRead ? 0 : 1;
}
