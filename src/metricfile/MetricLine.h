// One record line of a metric file, built field by field. Readers split
// records at blanks, so every field is one token: an empty field is
// written as "-" and a file name with a blank is quoted.
#pragma once

#include <string_view>

#include "util/Filename.h"
#include "util/String.h"

namespace zum {

class MetricLine {
 public:
  // The tag with its angle brackets and anything glued to it ("<R>C").
  explicit MetricLine(std::string_view tag) : text_(tag) {}

  MetricLine& field(std::string_view text);
  MetricLine& field(char letter);
  MetricLine& number(long long value);
  // The display text of the file (FileDisplayText.h).
  MetricLine& file(const XF_Filename& name);

  const U_String& text() const noexcept { return text_; }

 private:
  U_String text_;
};

}  // namespace zum
