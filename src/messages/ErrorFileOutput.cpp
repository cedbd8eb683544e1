#include "messages/ErrorFileOutput.h"

#include <cerrno>
#include <cstdio>

#include "messages/BinaryExceptions.h"
#include "messages/BinaryFile.h"
#include "messages/ByteReader.h"
#include "messages/ErrorFileExceptions.h"

namespace fmt = M_ErrorFileFormat;

namespace {

// Records are collected up to this size before they go to the disk.
constexpr std::size_t kFlushThreshold = 64 * 1024;

enum class ExistingFile { kNone, kOlder, kCurrent };

ExistingFile probeExistingFile(const U_String& fileName) {
  errno = 0;
  R_FilePtr file(std::fopen(fileName.c_str(), "rb"));
  if (!file) {
    if (errno == ENOENT) return ExistingFile::kNone;
    throw M_BadFileOpenException(fileName);
  }
  char word[4];
  if (std::fread(word, 1, sizeof word, file.get()) != sizeof word) throw M_BadTextReadException();
  const std::int32_t version = R_ByteReader(std::string_view(word, sizeof word)).int32();
  if (version == fmt::kOlderVersion) return ExistingFile::kOlder;
  if (version == fmt::kCurrentVersion) return ExistingFile::kCurrent;
  throw M_BadVersionForAppendException(version);
}

}  // namespace

M_ErrorFileOutput::M_ErrorFileOutput(const U_String& fileName, Generation requested, bool showAlias)
    : fileName_(fileName), generation_(requested), current_(showAlias), older_(showAlias) {
  const ExistingFile existing = probeExistingFile(fileName_);
  if (existing == ExistingFile::kOlder) generation_ = Generation::kOlder;
  if (existing == ExistingFile::kCurrent) generation_ = Generation::kCurrent;

  int error = 0;
  file_ = R_AppendFile::open(fileName_, error);
  if (!file_) throw M_BadFileOpenException(fileName_);

  if (generation_ == Generation::kCurrent) {
    if (existing == ExistingFile::kNone) M_Varnix2Encoder::writeHeader(pending_);
    current_.writeSectionStart(pending_);
  } else if (existing == ExistingFile::kNone) {
    M_VarnixEncoder::writeHeader(pending_);
  }
  // The file is valid from here on, even if the run ends without close().
  flush();
}

M_ErrorFileOutput::~M_ErrorFileOutput() {
  if (!file_) return;
  try {
    flush();
  } catch (const U_Exception&) {
    // The destructor cannot report; close() is where failures surface.
  }
  file_->close();
}

void M_ErrorFileOutput::writeDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  if (generation_ == Generation::kCurrent) {
    current_.writeDiagnostic(pending_, diagnostic, suppressed);
  } else {
    older_.writeDiagnostic(pending_, diagnostic, suppressed);
  }
  endRecord();
}

void M_ErrorFileOutput::writeSuppressionRecord(const M_SuppressionRecord& record) {
  if (generation_ != Generation::kCurrent) return;
  current_.writeSuppressionRecord(pending_, record);
  endRecord();
}

void M_ErrorFileOutput::close() {
  if (!file_) return;
  flush();
  const int error = file_->close();
  file_.reset();
  if (error != 0) raiseWriteFailure(false);
}

void M_ErrorFileOutput::endRecord() {
  if (pending_.size() >= kFlushThreshold) flush();
}

void M_ErrorFileOutput::flush() {
  if (pending_.empty() || !file_) return;
  std::size_t written = 0;
  int error = 0;
  const bool ok = file_->write(pending_.bytes(), written, error);
  if (ok) {
    pending_.clear();
    return;
  }
  const bool failedInText = pending_.isTextAt(written);
  // What could not be written is dropped and the file given up: retrying
  // would only put more after a torn record.
  pending_.clear();
  file_->close();
  file_.reset();
  raiseWriteFailure(failedInText);
}

void M_ErrorFileOutput::raiseWriteFailure(bool failedInText) const {
  if (generation_ == Generation::kCurrent) throw R_WritingException();
  if (failedInText) throw M_BadTextWriteException();
  throw M_BadIntWriteException();
}
