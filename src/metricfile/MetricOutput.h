// The project metric output of a run: the one writer of the process and
// what the driver and the metric modules do with it.
//
// The driver opens the output before the modules register, flushes it
// before it reads the last source (the project's own metric file, which
// the output appends to) and closes it when it is destroyed.
#pragma once

#include <string_view>

#include "metricfile/MetricBase.h"
#include "options/OutputLocation.h"
#include "util/Filename.h"
#include "util/Location.h"

// Replaces the writer, chosen by the debug switches: "null_metric_output"
// writes nothing; "simpleoutput", "textoutput" or "formatoutput" write to
// standard output; otherwise the metric file named after the project file
// in the output directory is appended to. Throws M_ZEKCannotOpenMetricFile
// when that file cannot be opened; there is no writer then.
void M_openMetricOutput(const zum::OutputLocation& location);
// The same for the output location of the run (zum::runOutputLocation()).
void M_openMetricOutput();

void M_flushMetricOutput();
// Closes and destroys the writer; metrics written afterwards go nowhere.
void M_closeMetricOutput();

// The writer of the run; null before it is opened and after it is closed.
M_MetricBase* M_metricWriter();

// A metric of a symbol, under a header naming the file of its definition
// and its qualified name. Written only when "metrics" is on.
void M_writeSymbolMetric(const XF_Filename& file, std::string_view qualifiedName, std::string_view metricName,
                         int value);
void M_writeSymbolMetric(const U_Location& location, std::string_view qualifiedName, std::string_view metricName,
                         int value);
// A metric of a file, or of the project when `file` is unset. Written only
// when "metrics" is on.
void M_writeFileOrProjectMetric(const XF_Filename& file, std::string_view metricName, int value);
