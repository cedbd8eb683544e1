// The error file of a source: what it carries is planned from what the
// metric file says, and written with the project's own error-file writer.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Options.h"
#include "ProjectPlan.h"
#include "SourceFacts.h"

namespace genproject {

struct PlannedLocation {
  std::string file;
  int line = 0;
  int column = 0;
  // Set for a place in a header: where the source includes that header.
  std::string includedFrom;
  int includeLine = 0;
};

struct PlannedDiagnostic {
  int message = 0;
  PlannedLocation location;
  std::vector<std::string> parameters;  // string parameters, in order
};

struct PlannedSuppression {
  int kind = 1;                 // 1 or 2: the kinds the reader enters into its check
  PlannedLocation at;           // the annotation itself
  std::string text;
  std::vector<std::pair<std::string, std::string>> messageRanges;
  PlannedLocation begin;
  PlannedLocation end;
};

struct ErrorFilePlan {
  std::vector<PlannedDiagnostic> diagnostics;
  std::vector<PlannedSuppression> suppressions;
};

// Every source gets an error file, since the reader insists on one; only a
// share of them (the --error-fraction) carry diagnostics.
ErrorFilePlan planErrorFile(const Options& options, const ProjectPlan& plan, int sourceIndex,
                            const SourceFacts& facts);

// Writes DIR/<source base name>.err anew (current generation). Returns the
// bytes written.
uint64_t writeErrorFile(const std::filesystem::path& outputDir, const std::string& root,
                        const std::string& sourceName, const ErrorFilePlan& plan);

}  // namespace genproject
