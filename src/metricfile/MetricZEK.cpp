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

}  // namespace

M_MetricZEK::~M_MetricZEK() { close(); }

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
  // Append mode only: an earlier project metric file keeps every byte.
  openFile(source, outputDirectory, std::ios::out | std::ios::app | std::ios::binary);
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
  if (stream_) stream_->flush();
}

void M_MetricZEK::close() {
  if (!stream_) return;
  stream_->flush();
  // Standard output belongs to the process; only an owned file is closed.
  if (file_) {
    file_->close();
    file_.reset();
  }
  stream_ = nullptr;
  namedRelationKinds_.clear();
}

void M_MetricZEK::writeLine(std::string_view line) {
  if (!stream_) return;
  // Failed writes are not checked: a full disk shows in the file, and the
  // run's messages matter more than its metrics.
  stream_->write(line.data(), static_cast<std::streamsize>(line.size()));
  stream_->write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
  if (C_runSettings().alwaysFlushMetrics) stream_->flush();
}

void M_MetricZEK::writeMetric(const XF_Filename& file, std::string_view headerName, std::string_view metricName,
                              std::string_view value) {
  if (!stream_) return;
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
