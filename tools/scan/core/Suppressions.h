// Suppression comments: what a user writes in a source to hide zum's
// messages there, and the regions they make.
//
//   /* zum: suppress 1503 */              the lines of the comment itself
//   // zum: suppress 1504-1505, 1514       ranges and lists
//   /* zum: suppress-begin 1500-1533 */   from this line ...
//   /* zum: suppress-end */               ... to this one
//
// The directive must open the comment (after the comment's own "/", "*"
// and "!" characters and blanks); anything after the message list is a
// free remark. A begin without an end runs to the end of its file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scan {

using MessageRange = std::pair<std::string, std::string>;  // first, last

struct SuppressionDirective {
  enum class Kind { Lines, Begin, End };
  Kind kind = Kind::Lines;
  std::vector<MessageRange> ranges;
  std::string text;  // the directive as written, without the comment marks
};

// nullopt when the comment holds no directive. A comment that starts like
// one but is malformed also gives nullopt, with `problem` saying why.
std::optional<SuppressionDirective> parseSuppressionComment(std::string_view comment, std::string& problem);

// One suppression record to write: the comment's place, its text and
// ranges, and the lines it covers (first to last, both included).
struct SuppressionRegion {
  std::string file;
  int line = 0;
  int column = 0;
  std::string text;
  std::vector<MessageRange> ranges;
  int firstLine = 0;
  int lastLine = 0;
  bool region = false;  // a begin/end pair rather than a line comment
};

// Pairs the directives of a unit's files into regions, in the order the
// comments were met.
class SuppressionCollector {
 public:
  // A directive in `file` at `line`/`column`; `lastLine` is the comment's
  // last line. Returns a warning text for an end without a begin.
  std::string add(const std::string& file, int line, int column, int lastLine, SuppressionDirective directive);
  // Closes open regions at the last line of their file (`lastLineOf`).
  template <typename LastLineOf>
  std::vector<SuppressionRegion> finish(LastLineOf lastLineOf) {
    for (std::size_t index : open_) regions_[index].lastLine = lastLineOf(regions_[index].file);
    open_.clear();
    return std::move(regions_);
  }

 private:
  std::vector<SuppressionRegion> regions_;
  std::vector<std::size_t> open_;  // begins without their end yet, innermost last
};

}  // namespace scan
