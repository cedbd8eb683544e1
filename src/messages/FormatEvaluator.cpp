#include "messages/FormatEvaluator.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "messages/Diagnostic.h"
#include "messages/LineLayout.h"
#include "messages/MessageText.h"
#include "util/Path.h"

namespace {

// "%R" and the blanks of a caret line never make a rendering longer than
// this, whatever the count or the column: both come from files and may be
// absurd.
constexpr std::size_t kRepeatLimit = 1 << 20;

class Evaluator {
 public:
  Evaluator(const FM_TokenList& tokens, const FM_Subject& subject) : tokens_(tokens), subject_(subject) {
    layout_.tabStop = subject.tabStop;
    for (const U_Handle<FM_LexToken>& token : tokens) {
      if (token->kind() == FM_REMEMBER) result_.remember = true;
      if (token->kind() == FM_FORGET) result_.forget = true;
    }
  }

  FM_Rendering run() {
    sequence(0, true);
    result_.text = FM_layOut(out_, layout_);
    return std::move(result_);
  }

 private:
  const FM_LexToken& at(std::size_t i) const { return *tokens_[i]; }
  const U_String& textAt(std::size_t i) const { return static_cast<const FM_LexAlphaToken&>(at(i)).text(); }
  int numberAt(std::size_t i) const { return static_cast<const FM_LexNumToken&>(at(i)).number(); }

  // Evaluates from `i` up to the else or group end that closes the
  // sequence (or the end of the format); returns that token's index.
  // Nothing is written, and no mode is set, unless `live`.
  std::size_t sequence(std::size_t i, bool live) {
    while (i < tokens_.size()) {
      const int kind = at(i).kind();
      if (kind == FM_ELSE || kind == FM_GROUP_END) return i;
      i = step(i, live);
    }
    return i;
  }

  // One element: a token with its arguments, a group or a condition.
  // Returns the index after it.
  std::size_t step(std::size_t i, bool live) {
    const int kind = at(i).kind();
    switch (kind) {
      case FM_GROUP_START: return sequence(i + 1, live) + 1;
      case FM_CONDITION: return condition(i, live);
      case FM_HARD_BREAKS:
      case FM_BLANK_BREAKS:
      case FM_CUT:
        if (live) {
          layout_.mode = static_cast<FM_LineMode>(kind - FM_HARD_BREAKS + 1);
          layout_.width = numberAt(i + 1);
        }
        return i + 2;
      case FM_REPEAT:
        if (live) repeat(textAt(i), value(at(i + 1).kind()));
        return i + 2;
      default:
        if (live) write(i);
        return i + 1;
    }
  }

  // Condition operand [comparison number] group-start then [else else] group-end.
  std::size_t condition(std::size_t i, bool live) {
    const long long operand = value(at(i + 1).kind());
    std::size_t next = i + 2;
    bool holds = operand != 0;
    if (at(next).kind() == FM_COMPARISON) {
      holds = compare(operand, textAt(next), numberAt(next + 1));
      next += 2;
    }
    std::size_t end = sequence(next + 1, live && holds);
    if (at(end).kind() == FM_ELSE) end = sequence(end + 1, live && !holds);
    return end + 1;
  }

  static bool compare(long long a, std::string_view op, long long b) {
    if (op == "==") return a == b;
    if (op == "!=") return a != b;
    if (op == "<") return a < b;
    if (op == ">") return a > b;
    if (op == "<=") return a <= b;
    return a >= b;
  }

  void write(std::size_t i) {
    switch (at(i).kind()) {
      case FM_LITERAL: out_ += textAt(i); break;
      case FM_LEVEL: out_ += std::to_string(subject_.levelNumber); break;
      case FM_MESSAGE: out_ += std::to_string(subject_.diagnostic.messageNumber()); break;
      case FM_MESSAGE_PADDED: {
        char padded[16];
        std::snprintf(padded, sizeof padded, "%04d", subject_.diagnostic.messageNumber());
        out_ += padded;
        break;
      }
      case FM_FILE: writeFile(shownFile().given().view()); break;
      case FM_FULL_PATH: writeFile(shownFile().absolute().view()); break;
      case FM_BASE_NAME: writeFile(U_Path::baseName(shownFile().given().view())); break;
      case FM_LINE: out_ += std::to_string(line()); break;
      case FM_COLUMN: out_ += std::to_string(column()); break;
      case FM_COLUMN_LESS_ONE: out_ += std::to_string(column() - 1); break;
      case FM_CARET: writeCaret(); break;
      case FM_TEXT: out_ += M_substituteParameters(subject_.text, subject_.diagnostic); break;
      case FM_SECOND_TEXT: out_ += M_substituteParameters(subject_.secondText, subject_.diagnostic); break;
      case FM_CONTINUATION: layout_.continuation = textAt(i); break;
      default: break;  // "%h", "%u", "%q", "%Q" write nothing
    }
  }

  // The value of a directive in a condition or as the count of "%R".
  long long value(int kind) const {
    const M_Diagnostic& diagnostic = subject_.diagnostic;
    switch (kind) {
      case FM_LEVEL: return subject_.levelNumber;
      case FM_MESSAGE: case FM_MESSAGE_PADDED: return diagnostic.messageNumber();
      case FM_FILE_CHANGED: return !samePlace(false, false);
      case FM_LINE: return line();
      case FM_LINE_CHANGED: return !samePlace(true, false);
      case FM_COLUMN: return column();
      case FM_COLUMN_LESS_ONE: return column() - 1;
      case FM_PLACE_CHANGED: return !samePlace(true, true);
      case FM_HAS_SECOND_TEXT: return !subject_.secondText.empty();
      case FM_ERROR_FLAG: return diagnostic.isError();
      case FM_DEPTH: return subject_.depth;
      case FM_HARD_BREAKS: return layout_.mode == FM_LineMode::kHardBreaks;
      case FM_BLANK_BREAKS: return layout_.mode == FM_LineMode::kBlankBreaks;
      case FM_CUT: return layout_.mode == FM_LineMode::kCut;
      default: return 0;
    }
  }

  // The diagnostic stands in the file (and on the line, and at the column)
  // of the remembered location; never when nothing is remembered.
  bool samePlace(bool line, bool column) const {
    const U_Location& previous = subject_.previous;
    const U_Location& here = subject_.diagnostic.location();
    if (!previous.isSet()) return false;
    if (!here.isSet()) return false;
    if (!(previous.file() == here.file())) return false;
    if (line && previous.line() != here.line()) return false;
    return !column || previous.column() == here.column();
  }

  // The "HL" file and line stand in for the plain ones where present.
  XF_Filename shownFile() const {
    const U_Location& location = subject_.diagnostic.location();
    if (!location.isSet()) return XF_Filename();
    return location.hasHLLoc() ? location.hlFile() : location.file();
  }
  int line() const {
    const U_Location& location = subject_.diagnostic.location();
    if (!location.isSet()) return 0;
    return location.hasHLLoc() ? location.hlLine() : location.line();
  }
  int column() const {
    const U_Location& location = subject_.diagnostic.location();
    return location.isSet() ? location.column() : 0;
  }

  void writeFile(std::string_view name) {
    if (subject_.keepSlashes) {
      out_ += name;
      return;
    }
    for (const char c : name) out_ += c == '/' ? '\\' : c;
  }

  // A diagnostic of a message list gets its caret only under the line of
  // the diagnostic that remembered its location.
  void writeCaret() {
    const int col = column();
    if (col <= 0) return;
    if (subject_.depth > 0 && !samePlace(true, false)) return;
    out_.append(std::min(static_cast<std::size_t>(col - 1), room()), ' ');
    out_ += "^\n";
  }

  void repeat(const U_String& text, long long count) {
    if (count <= 0 || text.empty()) return;
    const auto most = static_cast<long long>(room() / text.size());
    for (long long n = std::min(count, most); n > 0; --n) out_ += text;
  }

  std::size_t room() const { return out_.size() < kRepeatLimit ? kRepeatLimit - out_.size() : 0; }

  const FM_TokenList& tokens_;
  const FM_Subject& subject_;
  U_String out_;
  FM_LineLayout layout_;
  FM_Rendering result_;
};

}  // namespace

FM_Rendering FM_render(const FM_TokenList& tokens, const FM_Subject& subject) {
  return Evaluator(tokens, subject).run();
}
