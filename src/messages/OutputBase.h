// The project diagnostic output: one object per run, of the kind the debug
// switches select (see Output.h), through which every diagnostic the
// analysis modules raise and every suppression record passed on leaves the
// program.
#pragma once

class M_Diagnostic;
class M_SuppressionRecord;

class M_OutputBase {
 public:
  M_OutputBase() = default;
  M_OutputBase(const M_OutputBase&) = delete;
  M_OutputBase& operator=(const M_OutputBase&) = delete;

  // Finishes everything written; nothing is written afterwards.
  virtual void close() = 0;
  // Writes what is buffered to a file output, raising its failure; the
  // output stays open.
  virtual void flush() {}
  // Applies the gates of the kind, then writes what passes them.
  virtual void sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) = 0;
  // Writes without any gate.
  virtual void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) = 0;
  virtual void writeSuppressionRecord(const M_SuppressionRecord& record) = 0;
  virtual ~M_OutputBase() = default;
};
