// "--analyse": after the scan, zum in multi-file mode over the list file,
// then the findings (through zum-report) and the project metrics.
#pragma once

#include <string>

namespace scan {

struct AnalysisRun {
  std::string zum;        // the zum program; empty: beside zum-scan, else on the PATH
  std::string outputDir;  // absolute; the project files go there as "project"
  std::string listFile;
  std::string product;    // ZEK for C
};

// The exit code for zum-scan: 0 when zum ran and the findings were shown.
int analyseProject(const AnalysisRun& run);

// The program `name` in the directory of the running executable when it is
// there, else `name` itself (looked up on the PATH).
std::string siblingProgram(const std::string& name);

}  // namespace scan
