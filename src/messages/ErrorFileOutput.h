// The project error file as an output: opened once per run, creating the
// file or appending to it by the version of what is already there, then
// fed one record at a time, and closed.
//
// The existing file decides the generation, whatever was asked for:
//   - no file: a new one of the requested generation (header, and for the
//     current generation the first section start);
//   - version 0x7900: appended in the older generation;
//   - version 0x8200: appended in the current generation, after a new
//     section start;
//   - any other version: M_BadVersionForAppendException.
// The file is opened under an exclusive lock (zum::GuardedAppendFile), so a
// second run of the same project waits until this one has closed it.
// Records are written whole and only at the end of the file, so a run that
// fails part way leaves every earlier record and section readable. A write
// that fails cuts the file back to what it held before the run (a file the
// run made is removed) and raises the failure, naming the file.
#pragma once

#include <memory>

#include "messages/ByteBuffer.h"
#include "messages/ErrorFileFormat.h"
#include "messages/VarnixEncoder.h"
#include "messages/Varnix2Encoder.h"
#include "util/String.h"

class M_Diagnostic;
class M_SuppressionRecord;

namespace zum {
class GuardedAppendFile;
}

class M_ErrorFileOutput {
 public:
  using Generation = M_ErrorFileFormat::Generation;

  // Raises M_BadFileOpenException when the file cannot be read or opened
  // for appending, M_BadTextReadException when an existing file is too
  // short to hold a version word, M_BadVersionForAppendException for a
  // version this program cannot append to; each names the file.
  M_ErrorFileOutput(const U_String& fileName, Generation requested, bool showAlias);
  // Writes what is still buffered; a failure is not reported here (close()
  // reports it), but it still leaves the file as it was before the run.
  ~M_ErrorFileOutput();
  M_ErrorFileOutput(const M_ErrorFileOutput&) = delete;
  M_ErrorFileOutput& operator=(const M_ErrorFileOutput&) = delete;

  Generation generation() const noexcept { return generation_; }
  const U_String& fileName() const noexcept { return fileName_; }

  void writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed);
  // The older generation has no suppression records: nothing is written.
  void writeSuppressionRecord(const M_SuppressionRecord& record);
  // Writes what is buffered and closes the file. A write failure raises
  // R_WritingException (current generation) or M_BadIntWriteException /
  // M_BadTextWriteException (older generation, by the field that failed),
  // after the file is cut back; a failing close raises them too.
  void close();
  // Writes what is buffered; a failure is raised as by close().
  void flush();

 private:
  void endRecord();
  [[noreturn]] void raiseWriteFailure(bool failedInText, const U_String& what) const;

  U_String fileName_;
  Generation generation_;
  M_Varnix2Encoder current_;
  M_VarnixEncoder older_;
  std::unique_ptr<zum::GuardedAppendFile> file_;
  R_ByteBuffer pending_;
};
