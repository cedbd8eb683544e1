// The format text output (debug switches "textoutput", "formatoutput"):
// each diagnostic's debug text on standard output, followed by the links of
// its location chains and the diagnostics of its message lists, each as a
// diagnostic of its own that goes through the same gates:
//   - an instantiated-from location: message 1597 there, with the entity's
//     display name (text form 3) as parameter;
//   - an include location: message 1599 there;
//   - a macro history: message 1598 at each expansion, innermost first,
//     with the macro name as parameter.
// Suppression records are not written.
#pragma once

#include <iosfwd>

#include "messages/OutputBase.h"

class M_OutputFormat final : public M_OutputBase {
 public:
  M_OutputFormat();
  explicit M_OutputFormat(std::ostream& out) : out_(out) {}

  static constexpr int kInstantiatedFrom = 1597;
  static constexpr int kMacroExpansion = 1598;
  static constexpr int kIncludedFrom = 1599;

  void close() override;
  void sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) override;
  void writeSuppressionRecord(const M_SuppressionRecord&) override {}

 private:
  void writeLocationChains(const M_Diagnostic& diagnostic);
  void writeMessageLists(const M_Diagnostic& diagnostic);

  std::ostream& out_;
};
