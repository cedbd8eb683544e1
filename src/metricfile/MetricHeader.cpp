#include "metricfile/MetricHeader.h"

#include "util/ProcessState.h"
#include "util/String.h"

namespace zum {

namespace {

struct MetricHeaderMemory {
  // An empty memory must not match a project metric, whose file and name
  // are both empty.
  bool written = false;
  U_Filename absolute;
  U_Filename given;
  U_String name;
};

}  // namespace

bool takeMetricHeader(const XF_Filename& file, std::string_view name) {
  MetricHeaderMemory& memory = ProcessState::get<MetricHeaderMemory>();
  if (memory.written && memory.absolute == file.absolute() && memory.given == file.given() && memory.name == name)
    return false;
  memory.written = true;
  memory.absolute = file.absolute();
  memory.given = file.given();
  memory.name = name;
  return true;
}

}  // namespace zum
