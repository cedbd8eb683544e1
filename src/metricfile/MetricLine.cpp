#include "metricfile/MetricLine.h"

#include <string>

#include "metricfile/FileDisplayText.h"

namespace zum {

MetricLine& MetricLine::field(std::string_view text) {
  text_ += ' ';
  if (text.empty())
    text_ += '-';
  else
    text_ += text;
  return *this;
}

MetricLine& MetricLine::field(char letter) { return field(std::string_view(&letter, 1)); }

MetricLine& MetricLine::number(long long value) { return field(std::to_string(value)); }

MetricLine& MetricLine::file(const XF_Filename& name) { return field(M_fileDisplayText(name)); }

}  // namespace zum
