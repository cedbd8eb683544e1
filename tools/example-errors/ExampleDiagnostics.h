// What the per-file analyser reported for each source of the example
// project: its diagnostics and the suppression annotations it met.
#pragma once

#include <string>
#include <vector>

namespace example {

struct Place {
  std::string file;
  int line = 0;
  int column = 0;
  // For a place in a header: the source line that includes it.
  std::string includedFrom;
  int includeLine = 0;
};

struct Finding {
  int message = 0;
  Place at;
  std::vector<std::string> parameters;
};

struct Suppression {
  int kind = 1;
  Place at;
  std::string text;
  std::string firstMessage;
  std::string lastMessage;
  Place begin;
  Place end;
};

struct SourceReport {
  std::string source;
  std::vector<Suppression> suppressions;
  std::vector<Finding> findings;
};

// The sources of the C example (examples/inventory), in the order of its
// list file.
const std::vector<SourceReport>& exampleReports();
// The sources of the C++ example (examples/ledger), likewise.
const std::vector<SourceReport>& ledgerReports();

}  // namespace example
