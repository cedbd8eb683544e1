// The simple text output: the debug text of each diagnostic on one line,
// and a line per suppression record, on standard output. Meant for tests
// and for looking at a run by eye (debug switch "simpleoutput").
#pragma once

#include <iosfwd>

#include "messages/OutputBase.h"
#include "util/String.h"

class M_OutputSimple final : public M_OutputBase {
 public:
  M_OutputSimple();
  explicit M_OutputSimple(std::ostream& out) : out_(out) {}

  void close() override;
  void sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  // Nothing when the debug switch "hideSupRecs" is set.
  void writeSuppressionRecord(const M_SuppressionRecord& record) override;

 private:
  std::ostream& out_;
};

// The line of a suppression record, without its newline:
//   location kind:text:[ranges:]{begin}[-{end}]
// with the kind "LOC" (0), "SUP" (1) or "Unknown"; the ranges only for
// kind 1, as "1500-1502,1510".
U_String M_suppressionRecordLine(const M_SuppressionRecord& record);
