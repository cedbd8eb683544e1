// The metric header last written, kept for the whole process: metrics for
// the same file and name continue the group that header opened, so
// consecutive metrics of one symbol share one header.
#pragma once

#include <string_view>

#include "util/Filename.h"

namespace zum {

// True when a metric for `file` and `name` needs a header of its own; the
// pair then becomes the remembered header. The first metric always does.
bool takeMetricHeader(const XF_Filename& file, std::string_view name);

}  // namespace zum
