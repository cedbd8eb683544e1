// A multi-file run of build/zum over a fixture project, as the tests of
// the analysis modules need it: the fixture's metric files copied into a
// scratch output directory, error files written with the project's own
// writer, and the run's standard output split into findings and metric
// lines.
#pragma once

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TestText.h"
#include "ZumRunner.h"

namespace moduletest {

// A diagnostic of a per-file error file. A place in a header names the
// source line that includes it.
struct ErrorDiagnostic {
  int message = 0;
  std::string file;
  int line = 0;
  std::vector<std::string> parameters;
  std::string includedFrom = {};
  int includeLine = 0;
};

// A suppression annotation of a per-file error file: hides messages
// first..last on lines from..to of `file`.
struct ErrorSuppression {
  std::string file;
  int from = 0;
  int to = 0;
  std::string first;
  std::string last;
};

struct ModuleRunResult {
  zumtest::RunResult run;
  std::vector<std::string> findings;  // the other lines of standard output
  std::vector<std::string> metrics;   // "<S>..." lines, line ends removed
};

class ProjectRun {
 public:
  // Copies tests/fixtures/<fixture> (may be empty: nothing to copy) into
  // "out" of a fresh scratch directory; compiler directories for every
  // product, each with an empty configuration file.
  explicit ProjectRun(const std::string& fixture);

  const zumtest::Scratch& scratch() const { return scratch_; }
  // Writes out/<source>.err anew.
  void writeErrorFile(const std::string& source, const std::vector<ErrorDiagnostic>& diagnostics,
                      const std::vector<ErrorSuppression>& suppressions = {}) const;
  void writeMetricFile(const std::string& source, const std::string& content) const;

  // Runs "zum <product> -cmaf out/proj -op out <extra...> <sources...>"; a
  // source without an error file gets an empty one first.
  zumtest::RunResult run(const std::string& product, const std::vector<std::string>& sources,
                         const std::vector<std::string>& extra = {}) const;
  // The same with "-debug simpleoutput": findings and metrics on standard
  // output.
  ModuleRunResult runSimple(const std::string& product, const std::vector<std::string>& sources,
                            const std::vector<std::string>& extra = {}) const;

  // The records of a project error file as zum-errdump shows them, without
  // offsets and sizes.
  std::vector<std::string> dumpErrorFile(const std::string& relative) const;

 private:
  zumtest::Scratch scratch_;
  std::map<std::string, std::string> env_;
};

// Lines of `findings` that carry message `number`, or one of `numbers`.
std::vector<std::string> messagesOf(const std::vector<std::string>& findings, int number);
std::vector<std::string> messagesOf(const std::vector<std::string>& findings, const std::set<int>& numbers);
// The message numbers of `findings`, in order.
std::vector<int> numbersOf(const std::vector<std::string>& findings);

using zumtest::declaredAt;
using zumtest::definedAt;
using zumtest::entity;
using zumtest::messageList;

}  // namespace moduletest
