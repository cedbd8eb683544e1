#include "messages/MessageFile.h"

#include <climits>
#include <istream>
#include <ostream>
#include <string>

#include "messages/MessageTable.h"
#include "options/TextTranslation.h"
#include "util/Exception.h"

namespace {

// After this many skipped lines of one file the rest are only counted.
constexpr int kMaxSkipWarnings = 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Control bytes other than tab and the escape of the 7-bit Japanese
// encodings: the file is not text.
bool hasBinaryBytes(std::string_view line) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && byte != '\t' && byte != 0x1b) return true;
    if (byte == 0x7f) return true;
  }
  return false;
}

// Reads physical lines without ever holding more than the length limit.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : buffer_(in.rdbuf()) {}

  // False at the end of the input. `tooLong` says that the line was cut.
  bool next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    if (!buffer_) return false;
    int c = buffer_->sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    while (c != std::char_traits<char>::eof() && c != '\n') {
      if (line.size() < kMaxMessageLineLength) line += static_cast<char>(c);
      else tooLong = true;
      c = buffer_->sbumpc();
    }
    while (!line.empty() && line.back() == '\r') line.pop_back();
    ++number_;
    return true;
  }

  int number() const noexcept { return number_; }

 private:
  std::streambuf* buffer_;
  int number_ = 0;
};

// A decimal number that fits an int; false for anything else.
bool parseNumber(std::string_view text, int& value, bool allowSign) {
  bool negative = false;
  if (allowSign && !text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  long long number = 0;
  for (const char c : text) {
    if (!isDigit(c)) return false;
    number = number * 10 + (c - '0');
    if (number > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) number = -number;
  if (number > INT_MAX || number < INT_MIN) return false;
  value = static_cast<int>(number);
  return true;
}

class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}
  // The next run of non-blank characters, after the blanks before it.
  std::string_view word() {
    skipBlanks();
    std::size_t end = 0;
    while (end < rest_.size() && !isBlank(rest_[end])) ++end;
    const std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return word;
  }
  // Everything after the blanks that follow the last word.
  std::string_view rest() {
    skipBlanks();
    return rest_;
  }

 private:
  void skipBlanks() {
    while (!rest_.empty() && isBlank(rest_.front())) rest_.remove_prefix(1);
  }
  std::string_view rest_;
};

class Reader {
 public:
  Reader(std::string_view fileName, M_MessageTable& table, std::ostream& warnings)
      : fileName_(fileName), table_(table), warnings_(warnings) {}

  void read(std::istream& in) {
    LineSource lines(in);
    std::string physical;
    std::string logical;
    bool tooLong = false;
    bool continued = false;
    int firstLine = 0;
    bool cut = false;
    while (lines.next(physical, cut)) {
      if (!continued) {
        logical.clear();
        tooLong = false;
        firstLine = lines.number();
      }
      tooLong = tooLong || cut || logical.size() + physical.size() > kMaxMessageLineLength;
      continued = !physical.empty() && physical.back() == '\\';
      if (continued) {
        physical.pop_back();
        if (!physical.empty() && physical.back() == '\\') {
          physical.pop_back();
          physical += "@@";
        }
      }
      if (!tooLong) logical += physical;
      if (!continued) line(logical, tooLong, firstLine);
    }
    if (continued) {
      warnings_ << "Warning - Message file '" << fileName_ << "' ends in a continued line\n";
      line(logical, tooLong, firstLine);
    }
    if (skipped_ > kMaxSkipWarnings) {
      warnings_ << "Warning - Message file '" << fileName_ << "': " << skipped_ - kMaxSkipWarnings
                << " more lines skipped\n";
    }
  }

 private:
  void skip(int lineNumber, std::string_view reason) {
    if (++skipped_ > kMaxSkipWarnings) return;
    warnings_ << "Warning - Message file '" << fileName_ << "' line " << lineNumber << " skipped: " << reason
              << '\n';
  }

  void line(const std::string& raw, bool tooLong, int lineNumber) {
    if (tooLong) return skip(lineNumber, "longer than " + std::to_string(kMaxMessageLineLength) + " bytes");
    if (raw.empty() || raw.front() == '*') return;
    if (hasBinaryBytes(raw)) return skip(lineNumber, "binary bytes");
    U_String text;
    try {
      text = XF_toInternal(raw);
    } catch (const U_Exception& failure) {
      return skip(lineNumber, failure.what());
    }
    if (text.front() == '#') return directive(text, lineNumber);
    message(text, lineNumber);
  }

  void directive(std::string_view text, int lineNumber) {
    Fields fields(text);
    const std::string_view name = fields.word();
    int number = 0;
    if (name == "#define") {
      const std::string_view level = fields.word();
      if (level.empty()) return skip(lineNumber, "#define without a level name");
      if (!parseNumber(fields.word(), number, true)) return skip(lineNumber, "#define without a level number");
      table_.defineLevel(level, number, fields.rest());
    } else if (name == "#levelname") {
      if (!parseNumber(fields.word(), number, true)) return skip(lineNumber, "#levelname without a level number");
      table_.nameLevel(number, fields.rest());
    } else {
      warnings_ << "Warning - Unknown directive '" << name << "'\n";
    }
  }

  void message(std::string_view text, int lineNumber) {
    Fields fields(text);
    const std::string_view numberText = fields.word();
    if (numberText.empty()) return;  // blanks only
    if (!isDigit(numberText.front())) return skip(lineNumber, "no message number");
    int number = 0;
    if (!parseNumber(numberText, number, false)) {
      for (const char c : numberText) {
        if (!isDigit(c)) return skip(lineNumber, "no message number");
      }
      return skip(lineNumber, "message number out of range");
    }
    M_MessageEntry entry;
    entry.levelName = U_String(fields.word());
    if (entry.levelName.empty()) return skip(lineNumber, "no level name");
    const std::string_view rest = fields.rest();
    const std::size_t split = rest.find("@@");
    entry.text = U_String(rest.substr(0, split));
    if (split != std::string_view::npos) entry.secondText = U_String(rest.substr(split + 2));
    table_.defineMessage(number, std::move(entry));
  }

  std::string_view fileName_;
  M_MessageTable& table_;
  std::ostream& warnings_;
  int skipped_ = 0;
};

}  // namespace

void M_readMessageFile(std::istream& in, std::string_view fileName, M_MessageTable& table, std::ostream& warnings) {
  Reader(fileName, table, warnings).read(in);
}
