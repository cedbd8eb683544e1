// The project metric writer: one operation per record kind of the metric
// file format that the per-source metric files use too. The program itself
// only opens, flushes and closes a writer and writes metrics; the other
// record operations complete the format for tools that write whole files.
#pragma once

#include <span>
#include <string_view>

#include "metricfile/MetricRecords.h"
#include "util/Filename.h"

class M_MetricBase {
 public:
  M_MetricBase() = default;
  M_MetricBase(const M_MetricBase&) = delete;
  M_MetricBase& operator=(const M_MetricBase&) = delete;

  // The declaration order is the slot order; keep it.

  // The metric file of `source` in `outputDirectory`, made anew; the
  // source "-" is standard output.
  virtual void openForSource(std::string_view source, std::string_view outputDirectory) = 0;
  // "-" is standard output; another name is appended to in the output
  // directory of the run.
  virtual void openByName(std::string_view name) = 0;
  virtual void flush() = 0;
  virtual void close() = 0;

  // Metrics: each starts with a metric header unless the last header was
  // for the same file and name.
  virtual void symbolMetricReal(std::string_view metricName, const XF_Filename& file,
                                std::string_view qualifiedName, double value) = 0;
  virtual void symbolMetricInt(std::string_view metricName, const XF_Filename& file,
                               std::string_view qualifiedName, int value) = 0;
  virtual void entityMetricInt(std::string_view metricName, const M_MetricEntity& entity, int value) = 0;
  virtual void fileMetricReal(std::string_view metricName, const XF_Filename& file, double value) = 0;
  virtual void fileMetricInt(std::string_view metricName, const XF_Filename& file, int value) = 0;
  // An unset file is the project.
  virtual void fileOrProjectMetricInt(std::string_view metricName, const XF_Filename& file, int value) = 0;

  virtual void relation(const M_RelationRecord& record) = 0;
  virtual void externVariable(std::string_view object, std::string_view subject, int line) = 0;

  virtual void defineTag(const M_DefineRecord& record) = 0;
  virtual void defineTypedef(const M_DefineRecord& record) = 0;
  virtual void defineFunction(const M_DefineRecord& record) = 0;
  virtual void defineVariable(const M_DefineRecord& record) = 0;
  virtual void defineParameter(const M_DefineRecord& record) = 0;
  virtual void defineMember(const M_DefineRecord& record) = 0;
  virtual void defineEnumerator(const M_DefineRecord& record) = 0;
  virtual void defineMacro(const M_DefineRecord& record) = 0;
  virtual void defineLabel(const M_DefineRecord& record) = 0;
  virtual void defineOther(const M_DefineRecord& record) = 0;

  // A control graph is its function line, its edges, then its node lines.
  virtual void controlGraphNodes(std::span<const int> lines) = 0;
  virtual void controlGraphEdge(int from, int to) = 0;
  virtual void controlGraphFunction(std::string_view function) = 0;

  virtual void allocation(std::string_view name, M_AllocKind kind, const XF_Filename& file, int line,
                          int column) = 0;

  virtual void throwsType(std::string_view function, std::string_view type) = 0;
  virtual void throwType(std::string_view function, std::string_view type) = 0;
  virtual void catchType(std::string_view function, std::string_view type, std::string_view handler) = 0;

  virtual void pragma(const XF_Filename& file, int line, std::string_view text) = 0;

  virtual void itemLocation(std::string_view name, const XF_Filename& file, int line, int column) = 0;
  virtual void itemFile(std::string_view name, const XF_Filename& file) = 0;
  virtual void itemFileValue(std::string_view name, const XF_Filename& file, int value) = 0;

  virtual void message(std::string_view first, std::string_view second) = 0;
  virtual void literal(const M_LiteralRecord& record) = 0;

  virtual ~M_MetricBase() = default;
};
