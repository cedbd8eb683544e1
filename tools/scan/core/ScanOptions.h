// The command line of zum-scan (the text is in scanHelpText()).
#pragma once

#include <string>
#include <vector>

namespace scan {

struct ScanOptions {
  std::string database = ".";       // -p: a directory holding compile_commands.json, or the file
  std::string outputDir = "zum-out";  // -o
  int jobs = 0;                      // -j; 0: one per core
  bool analyse = false;              // --analyse: run zum over the result and show the findings
  bool quiet = false;                // -q: no progress
  bool help = false;
  std::string zum;                   // --zum: the zum program, else the one beside zum-scan
  std::vector<std::string> sources;  // only units whose file is one of these or lies below one
};

// Throws std::invalid_argument with a message for a bad command line.
ScanOptions parseScanOptions(const std::vector<std::string>& args);
const char* scanHelpText();

}  // namespace scan
