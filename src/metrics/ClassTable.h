// What the class metrics share: a table of values by class, built once,
// and how a class's value is recorded.
#pragma once

#include <memory>

#include "anlsrslt/include/PI_Interface.h"
#include "util/FlatMap.h"

namespace zum {

// Values by class key: the class's qualified name (interned, so one
// pointer per text; the scope text of a member is the key of its class).
using ClassValues = FlatMap<const char*, int>;

// A table made by `build` at the first request and kept for the run.
template <class Tag>
struct ClassTable {
  std::unique_ptr<ClassValues> values;

  template <class Build>
  const ClassValues& get(Build build) {
    if (!values) values = std::make_unique<ClassValues>(build());
    return *values;
  }
};

// The value of the class of `classDefine` in `values`; 0 when absent.
int valueOfClass(const ClassValues& values, PI_DefineHandle classDefine);

// Records the metric under the class's define location and qualified name.
void recordClassMetric(PI_DefineHandle classDefine, const char* metricName, int value);

}  // namespace zum
