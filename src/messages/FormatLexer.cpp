#include "messages/FormatLexer.h"

#include <climits>
#include <vector>

namespace {

// The token of a directive letter written with '%' outside a condition;
// -1 for letters that are no directive there.
int outputKind(char letter) {
  switch (letter) {
    case 'g': return FM_LEVEL;
    case 'n': return FM_MESSAGE;
    case 'N': return FM_MESSAGE_PADDED;
    case 'f': return FM_FILE;
    case 'F': return FM_FULL_PATH;
    case 'B': return FM_BASE_NAME;
    case 'l': return FM_LINE;
    case 'c': return FM_COLUMN;
    case 'C': return FM_COLUMN_LESS_ONE;
    case '^': return FM_CARET;
    case 't': return FM_TEXT;
    case 'v': return FM_SECOND_TEXT;
    case 'h': return FM_ERROR_FLAG;
    case 'u': return FM_DEPTH;
    case 'w': return FM_HARD_BREAKS;
    case 'W': return FM_BLANK_BREAKS;
    case 's': return FM_CUT;
    case 'i': return FM_CONTINUATION;
    case 'q': return FM_REMEMBER;
    case 'Q': return FM_FORGET;
    case 'R': return FM_REPEAT;
    default: return -1;
  }
}

// The token of an operand of a condition; -1 where a letter may not stand.
int conditionKind(char letter) {
  switch (letter) {
    case 'g': return FM_LEVEL;
    case 'n': return FM_MESSAGE;
    case 'F': return FM_FILE_CHANGED;
    case 'l': return FM_LINE;
    case 'L': return FM_LINE_CHANGED;
    case 'c': return FM_COLUMN;
    case 'C': return FM_PLACE_CHANGED;
    case 'v': return FM_HAS_SECOND_TEXT;
    case 'h': return FM_ERROR_FLAG;
    case 'u': return FM_DEPTH;
    case 'w': return FM_HARD_BREAKS;
    case 'W': return FM_BLANK_BREAKS;
    case 's': return FM_CUT;
    default: return -1;
  }
}

// The directives whose value "%R" repeats by: those that write a number.
bool isRepeatCount(int kind) {
  switch (kind) {
    case FM_LEVEL: case FM_MESSAGE: case FM_MESSAGE_PADDED: case FM_LINE:
    case FM_COLUMN: case FM_COLUMN_LESS_ONE: case FM_DEPTH: case FM_ERROR_FLAG:
      return true;
    default:
      return false;
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Lexer {
 public:
  explicit Lexer(std::string_view format) : format_(format) {}

  FM_TokenList run() {
    while (!atEnd()) {
      if (format_[pos_] == '%') {
        lexPercent();
      } else {
        const std::size_t next = format_.find('%', pos_);
        const std::size_t end = next == std::string_view::npos ? format_.size() : next;
        literal(format_.substr(pos_, end - pos_));
        pos_ = end;
      }
    }
    if (!open_.empty()) fail(pos_);
    return std::move(tokens_);
  }

 private:
  enum class Group { kPlain, kThen, kElse };

  bool atEnd() const { return pos_ >= format_.size(); }

  [[noreturn]] void fail(std::size_t at) const {
    if (at >= format_.size()) throw FM_ParseException("Unexpected end");
    throw FM_ParseException(U_String(format_.substr(at)));
  }

  char take() {
    if (atEnd()) fail(pos_);
    return format_[pos_++];
  }

  void expect(char wanted) {
    if (atEnd() || format_[pos_] != wanted) fail(pos_);
    ++pos_;
  }

  void add(int kind) { tokens_.push_back(U_make<FM_LexToken>(kind)); }
  void add(int kind, std::string_view text) { tokens_.push_back(U_make<FM_LexAlphaToken>(kind, U_String(text))); }
  void addNumber(int number) { tokens_.push_back(U_make<FM_LexNumToken>(FM_NUMBER, number)); }
  void literal(std::string_view text) { add(FM_LITERAL, text); }

  void lexPercent() {
    const std::size_t start = pos_++;
    if (atEnd()) {
      literal("%");
      return;
    }
    const char c = format_[pos_++];
    switch (c) {
      case '%': literal("%"); return;
      case '(':
        open_.push_back(Group::kPlain);
        add(FM_GROUP_START);
        return;
      case ')':
        if (open_.empty()) fail(start);
        open_.pop_back();
        add(FM_GROUP_END);
        return;
      case ':':
        if (open_.empty() || open_.back() != Group::kThen) fail(start);
        open_.back() = Group::kElse;
        add(FM_ELSE);
        return;
      case '?': lexCondition(); return;
      case 'L': fail(start);  // only a condition may ask for it
      default: break;
    }
    const int kind = outputKind(c);
    if (kind < 0) {
      literal(format_.substr(start, 2));
      return;
    }
    switch (kind) {
      case FM_HARD_BREAKS: case FM_BLANK_BREAKS: case FM_CUT:
        add(kind);
        addNumber(lexNumber(false));
        return;
      case FM_CONTINUATION:
        expect('(');
        add(kind, lexTextTo(')'));
        return;
      case FM_REPEAT: lexRepeat(); return;
      default: add(kind); return;
    }
  }

  // "%?" operand [operator number] "%(".
  void lexCondition() {
    add(FM_CONDITION);
    const std::size_t operandAt = pos_;
    const int kind = conditionKind(take());
    if (kind < 0) fail(operandAt);
    add(kind);
    if (!atEnd() && isOperatorChar(format_[pos_])) {
      const std::size_t opAt = pos_;
      while (!atEnd() && isOperatorChar(format_[pos_])) ++pos_;
      const std::string_view op = format_.substr(opAt, pos_ - opAt);
      if (op != "==" && op != "!=" && op != "<" && op != ">" && op != "<=" && op != ">=") fail(opAt);
      add(FM_COMPARISON, op);
      addNumber(lexNumber(true));
    }
    expect('%');
    expect('(');
    open_.push_back(Group::kThen);
    add(FM_GROUP_START);
  }

  // "(" "%" directive "," text ")".
  void lexRepeat() {
    expect('(');
    const std::size_t directiveAt = pos_;
    expect('%');
    const int kind = outputKind(take());
    if (!isRepeatCount(kind)) fail(directiveAt);
    expect(',');
    add(FM_REPEAT, lexTextTo(')'));
    add(kind);
  }

  static bool isOperatorChar(char c) { return c == '<' || c == '>' || c == '=' || c == '!'; }

  // A decimal number; values beyond the range of int are held at its ends.
  int lexNumber(bool allowSign) {
    bool negative = false;
    if (allowSign && !atEnd() && format_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    if (atEnd() || !isDigit(format_[pos_])) fail(pos_);
    long long value = 0;
    while (!atEnd() && isDigit(format_[pos_])) {
      if (value <= INT_MAX) value = value * 10 + (format_[pos_] - '0');
      ++pos_;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
  }

  std::string_view lexTextTo(char end) {
    const std::size_t close = format_.find(end, pos_);
    if (close == std::string_view::npos) fail(format_.size());
    const std::string_view text = format_.substr(pos_, close - pos_);
    pos_ = close + 1;
    return text;
  }

  std::string_view format_;
  std::size_t pos_ = 0;
  FM_TokenList tokens_;
  std::vector<Group> open_;
};

}  // namespace

FM_TokenList FM_lexFormat(std::string_view format) { return Lexer(format).run(); }
