// A region of the sources in which messages are hidden, as the per-file
// analyser found it (a pragma or a similar annotation).
#pragma once

#include <utility>
#include <vector>

#include "util/Location.h"
#include "util/Ref.h"
#include "util/String.h"

// First and last message of a range, as the annotation wrote them.
using M_MessageRange = std::pair<U_String, U_String>;

class M_SuppressionRecord : public U_Ref {
 public:
  M_SuppressionRecord(int kind, U_Location location, U_String text, std::vector<M_MessageRange> ranges,
                      U_Location begin, U_Location end)
      : kind_(kind),
        location_(std::move(location)),
        text_(std::move(text)),
        ranges_(std::move(ranges)),
        begin_(std::move(begin)),
        end_(std::move(end)) {}

  // The kind of annotation; 0 to 255 in error files.
  int kind() const noexcept { return kind_; }
  // Where the annotation stands.
  const U_Location& location() const noexcept { return location_; }
  const U_String& text() const noexcept { return text_; }
  const std::vector<M_MessageRange>& messageRanges() const noexcept { return ranges_; }
  const U_Location& begin() const noexcept { return begin_; }
  // Null when the region is open-ended.
  const U_Location& end() const noexcept { return end_; }

 private:
  int kind_;
  U_Location location_;
  U_String text_;
  std::vector<M_MessageRange> ranges_;
  U_Location begin_;
  U_Location end_;
};
