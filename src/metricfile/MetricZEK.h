// The writer of metric files: record lines ended by "\r\n", written to a
// file it owns or to standard output, which it never closes.
//
// The project metric file (openForAppend) is written as a project output:
// under the file's lock, whole lines at a time, and a failed write cuts it
// back to what it held before the run and raises M_ZEKCannotOpenMetricFile
// naming the file. A last line cut off by a run that was killed while it
// wrote is dropped (and that is said on standard error), so that every line
// of the file reads back.
#pragma once

#include <fstream>
#include <ios>
#include <memory>
#include <ostream>
#include <set>

#include "metricfile/MetricBase.h"
#include "util/GuardedAppendFile.h"

class M_MetricZEK : public M_MetricBase {
 public:
  M_MetricZEK() = default;
  // Closes without reporting; call close() to learn of a failure.
  ~M_MetricZEK() override;

  void openForSource(std::string_view source, std::string_view outputDirectory) override;
  void openByName(std::string_view name) override;
  void flush() override;
  void close() override;

  void symbolMetricReal(std::string_view metricName, const XF_Filename& file, std::string_view qualifiedName,
                        double value) override;
  void symbolMetricInt(std::string_view metricName, const XF_Filename& file, std::string_view qualifiedName,
                       int value) override;
  void entityMetricInt(std::string_view metricName, const M_MetricEntity& entity, int value) override;
  void fileMetricReal(std::string_view metricName, const XF_Filename& file, double value) override;
  void fileMetricInt(std::string_view metricName, const XF_Filename& file, int value) override;
  void fileOrProjectMetricInt(std::string_view metricName, const XF_Filename& file, int value) override;

  void relation(const M_RelationRecord& record) override;
  void externVariable(std::string_view object, std::string_view subject, int line) override;

  void defineTag(const M_DefineRecord& record) override;
  void defineTypedef(const M_DefineRecord& record) override;
  void defineFunction(const M_DefineRecord& record) override;
  void defineVariable(const M_DefineRecord& record) override;
  void defineParameter(const M_DefineRecord& record) override;
  void defineMember(const M_DefineRecord& record) override;
  void defineEnumerator(const M_DefineRecord& record) override;
  void defineMacro(const M_DefineRecord& record) override;
  void defineLabel(const M_DefineRecord& record) override;
  void defineOther(const M_DefineRecord& record) override;

  void controlGraphNodes(std::span<const int> lines) override;
  void controlGraphEdge(int from, int to) override;
  void controlGraphFunction(std::string_view function) override;

  void allocation(std::string_view name, M_AllocKind kind, const XF_Filename& file, int line,
                  int column) override;

  void throwsType(std::string_view function, std::string_view type) override;
  void throwType(std::string_view function, std::string_view type) override;
  void catchType(std::string_view function, std::string_view type, std::string_view handler) override;

  void pragma(const XF_Filename& file, int line, std::string_view text) override;

  void itemLocation(std::string_view name, const XF_Filename& file, int line, int column) override;
  void itemFile(std::string_view name, const XF_Filename& file) override;
  void itemFileValue(std::string_view name, const XF_Filename& file, int value) override;

  void message(std::string_view first, std::string_view second) override;
  void literal(const M_LiteralRecord& record) override;

  // The metric file of `source` in `outputDirectory`, appended to (made
  // when missing; what it held before the run is never cut).
  virtual void openForAppend(std::string_view source, std::string_view outputDirectory);

  bool isOpen() const noexcept { return stream_ != nullptr || project_ != nullptr; }

 private:
  void openFile(std::string_view source, std::string_view outputDirectory, std::ios::openmode mode);
  void useStandardOutput();
  void writeLine(std::string_view line);
  // Writes the lines held for the project file.
  void writePending();
  // Cuts the project file back to its last whole line.
  void dropCutLine();
  [[noreturn]] void raiseWriteFailure(const U_String& what);
  // The header lines when due, then "<S>" name " " value.
  void writeMetric(const XF_Filename& file, std::string_view headerName, std::string_view metricName,
                   std::string_view value);
  void writeDefine(const M_DefineRecord& record, std::string_view spaceCode, std::uint32_t extraFlags);

  // The project metric file, with the lines not yet written to it.
  std::unique_ptr<zum::GuardedAppendFile> project_;
  std::string pending_;
  // Where project_'s file is, for the messages.
  U_String source_;
  U_String outputDirectory_;
  // A file made anew for a source (openForSource).
  std::unique_ptr<std::ofstream> file_;
  // The file above or standard output; null when closed.
  std::ostream* stream_ = nullptr;
  // Relation kinds already named by a "<RDEF>" line in this output.
  std::set<char> namedRelationKinds_;
};
