// The writer of a run whose metrics go nowhere: every operation does
// nothing and no file is made.
#pragma once

#include "metricfile/MetricBase.h"

class M_MetricNull final : public M_MetricBase {
 public:
  void openForSource(std::string_view, std::string_view) override {}
  void openByName(std::string_view) override {}
  void flush() override {}
  void close() override {}

  void symbolMetricReal(std::string_view, const XF_Filename&, std::string_view, double) override {}
  void symbolMetricInt(std::string_view, const XF_Filename&, std::string_view, int) override {}
  void entityMetricInt(std::string_view, const M_MetricEntity&, int) override {}
  void fileMetricReal(std::string_view, const XF_Filename&, double) override {}
  void fileMetricInt(std::string_view, const XF_Filename&, int) override {}
  void fileOrProjectMetricInt(std::string_view, const XF_Filename&, int) override {}

  void relation(const M_RelationRecord&) override {}
  void externVariable(std::string_view, std::string_view, int) override {}

  void defineTag(const M_DefineRecord&) override {}
  void defineTypedef(const M_DefineRecord&) override {}
  void defineFunction(const M_DefineRecord&) override {}
  void defineVariable(const M_DefineRecord&) override {}
  void defineParameter(const M_DefineRecord&) override {}
  void defineMember(const M_DefineRecord&) override {}
  void defineEnumerator(const M_DefineRecord&) override {}
  void defineMacro(const M_DefineRecord&) override {}
  void defineLabel(const M_DefineRecord&) override {}
  void defineOther(const M_DefineRecord&) override {}

  void controlGraphNodes(std::span<const int>) override {}
  void controlGraphEdge(int, int) override {}
  void controlGraphFunction(std::string_view) override {}

  void allocation(std::string_view, M_AllocKind, const XF_Filename&, int, int) override {}

  void throwsType(std::string_view, std::string_view) override {}
  void throwType(std::string_view, std::string_view) override {}
  void catchType(std::string_view, std::string_view, std::string_view) override {}

  void pragma(const XF_Filename&, int, std::string_view) override {}

  void itemLocation(std::string_view, const XF_Filename&, int, int) override {}
  void itemFile(std::string_view, const XF_Filename&) override {}
  void itemFileValue(std::string_view, const XF_Filename&, int) override {}

  void message(std::string_view, std::string_view) override {}
  void literal(const M_LiteralRecord&) override {}
};
