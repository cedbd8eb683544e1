#include "messages/LineLayout.h"

#include <algorithm>

namespace {

U_String breakLines(std::string_view text, const FM_LineLayout& layout) {
  const long long tabStop = std::max(layout.tabStop, 1);
  const long long restart = static_cast<long long>(layout.continuation.size());
  U_String out;
  out.reserve(text.size());
  // Where the text of the current line of `out` begins: after the
  // continuation text when a break made the line.
  std::size_t lineTextStart = 0;
  long long column = 0;
  for (const char c : text) {
    if (out.size() >= kMaxLayoutLength) break;
    if (c == '\n') {
      out += c;
      lineTextStart = out.size();
      column = 0;
      continue;
    }
    if (c == '\t') {
      out += c;
      column = (column / tabStop + 1) * tabStop;
      continue;
    }
    if (column >= layout.width) {
      std::size_t blank = U_String::npos;
      if (layout.mode == FM_LineMode::kBlankBreaks) {
        blank = std::string_view(out).substr(lineTextStart).rfind(' ');
        if (blank != U_String::npos) blank += lineTextStart;
      }
      if (blank != U_String::npos) {
        out.replace(blank, 1, "\n" + layout.continuation);
        lineTextStart = blank + 1 + layout.continuation.size();
      } else {
        out += '\n';
        out += layout.continuation;
        lineTextStart = out.size();
      }
      column = restart;
    }
    out += c;
    ++column;
  }
  return out;
}

}  // namespace

U_String FM_layOut(std::string_view text, const FM_LineLayout& layout) {
  switch (layout.mode) {
    case FM_LineMode::kCut:
      return U_String(text.substr(0, static_cast<std::size_t>(std::max(layout.width, 0))));
    case FM_LineMode::kHardBreaks:
    case FM_LineMode::kBlankBreaks:
      if (layout.width < 1) return U_String(text);
      return breakLines(text, layout);
    case FM_LineMode::kNone:
      break;
  }
  return U_String(text);
}
