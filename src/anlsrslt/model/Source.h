// One source of the run and the per-source reading step the driver runs
// for each entry of its source list.
#pragma once

#include "util/Exception.h"
#include "util/Filename.h"
#include "util/Ref.h"
#include "util/String.h"

class P_Source final : public U_Ref {
 public:
  P_Source(int index, int count, const XF_Filename& file, U_String outputDirectory)
      : index_(index), count_(count), file_(file), outputDirectory_(std::move(outputDirectory)) {}

  // 1-based position in the driver's list, and the length of the list.
  int index() const noexcept { return index_; }
  int count() const noexcept { return count_; }
  const XF_Filename& file() const noexcept { return file_; }
  // The name as given on the command line (what PI_getSourceFilename gives).
  U_Filename name() const noexcept { return file_.given(); }
  const U_String& outputDirectory() const noexcept { return outputDirectory_; }

  // The source's file in its output directory with `extension` ("met", "err").
  U_String outputFile(std::string_view extension) const;

 private:
  int index_;
  int count_;
  XF_Filename file_;
  U_String outputDirectory_;
};

// A file of a source cannot be opened. The driver reports it (message
// 1540) and goes on with the next source.
class P_FileOpenException : public U_UserException {
 public:
  explicit P_FileOpenException(U_String fileName)
      : U_UserException("PostAnalysis FileOpenException"), fileName_(std::move(fileName)) {}
  const U_String& fileName() const noexcept { return fileName_; }

 private:
  U_String fileName_;
};

// --- The driver's per-source step ------------------------------------------

// Creates the source, logs it and raises OnSource. The handle stays alive
// for the run when OnSource callbacks may have kept it.
U_Handle<P_Source> P_beginSource(int index, int count, const XF_Filename& file, const U_String& outputDirectory);

// Reads the source's metric file, raising the events of its records, then
// its error file through the reader set with P_setErrorFileReader.
// Throws P_FileOpenException when the metric file cannot be opened; the
// error file is then not read.
void P_readSourceFiles(const P_Source& source);

// Both of the above.
U_Handle<P_Source> P_readSource(int index, int count, const XF_Filename& file, const U_String& outputDirectory);

// Reads one metric file (the part of P_readSourceFiles before the error file).
// Only a regular file is read: a directory, a pipe or a device, and a file
// whose reading fails, raise P_FileOpenException (for a failure part way,
// after the records before it were read).
void P_readMetricFile(const U_String& path);

// Reads the text of one metric file, in the input encoding, as if it came
// from `path` (which messages name): the records, their events and the end
// of the file, as P_readMetricFile does for a file on disk. Tests feed
// records from memory through it.
void P_readMetricText(std::string_view text, const U_String& path);

// The hook for reading a source's error file: called right after its metric
// file. Until a reader is set, error files are not read.
typedef void (*P_ErrorFileReader)(const P_Source& source);
void P_setErrorFileReader(P_ErrorFileReader reader);

// --- The log of the sources read (debug switch "log") -----------------------

// Opens the file named by the first "log-file=" debug value when the switch
// "log" is set; otherwise, or when it cannot be opened, nothing is logged.
void P_openLog();
// Flushes and closes the log.
void P_closeLog();
