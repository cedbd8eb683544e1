// Encodes records of the older error file generation (version 0x7900):
// each diagnostic flat, with its lines relative to the primary source and
// a current-file record whenever the file changes.
#pragma once

class M_Diagnostic;
class R_ByteBuffer;

class M_VarnixEncoder {
 public:
  explicit M_VarnixEncoder(bool showAlias) : showAlias_(showAlias) {}

  static void writeHeader(R_ByteBuffer& out);
  // Writes a current-file record first when the diagnostic's file differs
  // from the file of the diagnostic written before it in this run (the
  // memory of that file is process-wide and starts empty). `suppressed`
  // is written as the hidden flags 1.
  void writeDiagnostic(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed);

 private:
  bool showAlias_;
};
