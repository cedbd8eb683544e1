#include "metricfile/MetricZEK.h"

#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>

#include "metricfile/FileDisplayText.h"
#include "metricfile/MetricExceptions.h"
#include "metricfile/MetricFileName.h"
#include "metricfile/MetricHeader.h"
#include "options/OutputLocation.h"
#include "options/RunSettings.h"
#include "util/InputFile.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The readers parse numbers in the classic form whatever the user's locale.
std::ostringstream classicStream() {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  return out;
}

U_String defaultRealText(double value) {
  std::ostringstream out = classicStream();
  out << value;
  return out.str();
}

U_String fixedRealText(double value) {
  std::ostringstream out = classicStream();
  out << std::fixed << std::setprecision(3) << value;
  return out.str();
}

XF_Filename fileOf(const U_Location& location) { return location.isSet() ? location.file() : XF_Filename(); }

// Lines are collected up to this size before they go to the project file.
constexpr std::size_t kWriteThreshold = 64 * 1024;

}  // namespace

M_MetricZEK::~M_MetricZEK() {
  try {
    close();
  } catch (const U_Exception&) {
    // The file is as it was before the run; close() is where that is told.
  }
}

void M_MetricZEK::openForSource(std::string_view source, std::string_view outputDirectory) {
  if (source == "-") {
    useStandardOutput();
    return;
  }
  openFile(source, outputDirectory, std::ios::out | std::ios::trunc | std::ios::binary);
}

void M_MetricZEK::openByName(std::string_view name) {
  if (name == "-") {
    useStandardOutput();
    return;
  }
  openForAppend(name, zum::runOutputLocation().outputDirectory);
}

void M_MetricZEK::openForAppend(std::string_view source, std::string_view outputDirectory) {
  close();
  const U_String path = M_metricFileName(source, outputDirectory);
  int error = 0;
  project_ = zum::GuardedAppendFile::open(path, "", error);
  if (!project_) {
    M_ZEKCannotOpenMetricFile failure(source, outputDirectory);
    failure.addContext("in '" + path + "': " + zum::describeFileError(error));
    throw failure;
  }
  source_ = source;
  outputDirectory_ = outputDirectory;
  dropCutLine();
}

void M_MetricZEK::dropCutLine() {
  // A line cut off by a run that was killed while it wrote cannot be read
  // back as it stands: a record cut after its name stops the reading of
  // every later run, one cut inside its value gives a wrong value.
  const std::uint64_t size = project_->sizeAtOpen();
  const std::uint64_t whole = project_->endOfLast('\n');
  if (whole == size) return;
  const U_String path = project_->path();
  if (!project_->dropTail(whole)) {
    const U_String reason = zum::describeFileError(project_->error());
    project_.reset();
    raiseWriteFailure("in '" + path + "': its last line is cut off, and dropping it failed: " + reason);
  }
  std::cerr << "The last line of '" << path << "' was cut off (a run stopped while writing it); its " << size - whole
            << " bytes are dropped.\n";
}

void M_MetricZEK::openFile(std::string_view source, std::string_view outputDirectory, std::ios::openmode mode) {
  close();
  auto file = std::make_unique<std::ofstream>(M_metricFileName(source, outputDirectory), mode);
  if (!file->is_open() || !file->good()) throw M_ZEKCannotOpenMetricFile(source, outputDirectory);
  file_ = std::move(file);
  stream_ = file_.get();
}

void M_MetricZEK::useStandardOutput() {
  close();
  stream_ = &std::cout;
}

void M_MetricZEK::flush() {
  if (project_) writePending();
  if (stream_) stream_->flush();
}

void M_MetricZEK::close() {
  namedRelationKinds_.clear();
  if (project_) {
    writePending();
    const std::unique_ptr<zum::GuardedAppendFile> closing = std::move(project_);
    if (!closing->close()) {
      raiseWriteFailure("in '" + closing->path() + "': closing failed: " + zum::describeFileError(closing->error()) +
                        "; the lines of this run may be missing");
    }
  }
  if (!stream_) return;
  stream_->flush();
  // Standard output belongs to the process; only an owned file is closed.
  if (file_) {
    file_->close();
    file_.reset();
  }
  stream_ = nullptr;
}

void M_MetricZEK::writeLine(std::string_view line) {
  if (project_) {
    pending_ += line;
    pending_ += kLineEnd;
    if (pending_.size() >= kWriteThreshold || C_runSettings().alwaysFlushMetrics) writePending();
    return;
  }
  if (!stream_) return;
  stream_->write(line.data(), static_cast<std::streamsize>(line.size()));
  stream_->write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
  if (C_runSettings().alwaysFlushMetrics) stream_->flush();
}

void M_MetricZEK::writePending() {
  if (pending_.empty()) return;
  if (project_->append(pending_)) {
    pending_.clear();
    project_->markWhole();
    return;
  }
  // Nothing of this run stays: the project's metrics are written whole or
  // not at all.
  const U_String what = project_->cutBackAfterFailure();
  pending_.clear();
  project_.reset();
  raiseWriteFailure(what);
}

void M_MetricZEK::raiseWriteFailure(const U_String& what) {
  M_ZEKCannotOpenMetricFile failure(source_, outputDirectory_);
  failure.addContext(what);
  throw failure;
}

void M_MetricZEK::writeMetric(const XF_Filename& file, std::string_view headerName, std::string_view metricName,
                              std::string_view value) {
  if (!isOpen()) return;
  if (zum::takeMetricHeader(file, headerName)) {
    writeLine("<S>");
    writeLine("<S>STFIL " + M_fileDisplayText(file));
    writeLine("<S>STNAM " + U_String(headerName));
  }
  U_String line = "<S>";
  line += metricName;
  line += ' ';
  line += value;
  writeLine(line);
}

void M_MetricZEK::symbolMetricReal(std::string_view metricName, const XF_Filename& file,
                                   std::string_view qualifiedName, double value) {
  writeMetric(file, qualifiedName, metricName, defaultRealText(value));
}

void M_MetricZEK::symbolMetricInt(std::string_view metricName, const XF_Filename& file,
                                  std::string_view qualifiedName, int value) {
  writeMetric(file, qualifiedName, metricName, std::to_string(value));
}

void M_MetricZEK::entityMetricInt(std::string_view metricName, const M_MetricEntity& entity, int value) {
  writeMetric(fileOf(entity.location()), entity.qualifiedName(), metricName, std::to_string(value));
}

void M_MetricZEK::fileMetricReal(std::string_view metricName, const XF_Filename& file, double value) {
  writeMetric(file, M_fileDisplayText(file), metricName, fixedRealText(value));
}

void M_MetricZEK::fileMetricInt(std::string_view metricName, const XF_Filename& file, int value) {
  writeMetric(file, M_fileDisplayText(file), metricName, std::to_string(value));
}

void M_MetricZEK::fileOrProjectMetricInt(std::string_view metricName, const XF_Filename& file, int value) {
  fileMetricInt(metricName, file, value);
}
