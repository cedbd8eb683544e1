#include "messages/ErrorFileOutput.h"

#include "messages/BinaryExceptions.h"
#include "messages/ByteReader.h"
#include "messages/ErrorFileExceptions.h"
#include "util/GuardedAppendFile.h"
#include "util/InputFile.h"

namespace fmt = M_ErrorFileFormat;

namespace {

// Records are collected up to this size before they go to the disk.
constexpr std::size_t kFlushThreshold = 64 * 1024;

U_String quoted(const U_String& fileName) { return "in '" + fileName + "'"; }

}  // namespace

M_ErrorFileOutput::M_ErrorFileOutput(const U_String& fileName, Generation requested, bool showAlias)
    : fileName_(fileName), generation_(requested), current_(showAlias), older_(showAlias) {
  // A missing file is made with the header (and for the current generation
  // the first section start) already in it.
  R_ByteBuffer fresh;
  if (generation_ == Generation::kCurrent) {
    M_Varnix2Encoder::writeHeader(fresh);
    current_.writeSectionStart(fresh);
  } else {
    M_VarnixEncoder::writeHeader(fresh);
  }
  int error = 0;
  file_ = zum::GuardedAppendFile::open(fileName_, fresh.bytes(), error);
  if (!file_) {
    M_BadFileOpenException failure(fileName_);
    failure.addContext(quoted(fileName_) + ": " + zum::describeFileError(error));
    throw failure;
  }
  if (file_->created()) return;

  // The existing file decides the generation.
  const std::string word = file_->readAt(0, 4);
  if (word.size() < 4) {
    M_BadTextReadException failure;
    failure.addContext(quoted(fileName_) + ": " + std::to_string(word.size()) +
                       " bytes, too short for the version word of an error file");
    throw failure;
  }
  const std::int32_t version = R_ByteReader(word).int32();
  if (version == fmt::kOlderVersion) {
    generation_ = Generation::kOlder;
  } else if (version == fmt::kCurrentVersion) {
    generation_ = Generation::kCurrent;
    current_.writeSectionStart(pending_);
  } else {
    M_BadVersionForAppendException failure(version);
    failure.addContext(quoted(fileName_));
    throw failure;
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
  const std::unique_ptr<zum::GuardedAppendFile> closing = std::move(file_);
  if (!closing->close()) {
    raiseWriteFailure(false, quoted(fileName_) + ": closing failed: " + zum::describeFileError(closing->error()) +
                                 "; the records of this run may be missing");
  }
}

void M_ErrorFileOutput::endRecord() {
  if (pending_.size() >= kFlushThreshold) flush();
}

void M_ErrorFileOutput::flush() {
  if (pending_.empty() || !file_) return;
  const std::uint64_t before = file_->size();
  if (file_->append(pending_.bytes())) {
    pending_.clear();
    file_->markWhole();
    return;
  }
  const bool failedInText = pending_.isTextAt(static_cast<std::size_t>(file_->size() - before));
  // Nothing of this run stays: a torn record would make the file unreadable
  // for every later run, and a part of a run's findings would mislead.
  const U_String what = file_->cutBackAfterFailure();
  pending_.clear();
  file_.reset();
  raiseWriteFailure(failedInText, what);
}

void M_ErrorFileOutput::raiseWriteFailure(bool failedInText, const U_String& what) const {
  if (generation_ == Generation::kCurrent) {
    R_WritingException failure;
    failure.addContext(what);
    throw failure;
  }
  if (failedInText) {
    M_BadTextWriteException failure;
    failure.addContext(what);
    throw failure;
  }
  M_BadIntWriteException failure;
  failure.addContext(what);
  throw failure;
}
