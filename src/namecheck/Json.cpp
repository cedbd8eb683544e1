#include "namecheck/Json.h"

#include <cstring>

namespace zum {

JsonValue JsonValue::boolean(bool value) {
  JsonValue v;
  v.content_ = value;
  return v;
}

JsonValue JsonValue::integer(std::int32_t value) {
  JsonValue v;
  v.content_ = value;
  return v;
}

JsonValue JsonValue::number(double value) {
  JsonValue v;
  v.content_ = value;
  return v;
}

JsonValue JsonValue::string(std::string text) {
  JsonValue v;
  v.content_ = std::make_unique<std::string>(std::move(text));
  return v;
}

JsonValue JsonValue::array(JsonArray items) {
  JsonValue v;
  v.content_ = std::make_unique<JsonArray>(std::move(items));
  return v;
}

JsonValue JsonValue::object(JsonObject members) {
  JsonValue v;
  v.content_ = std::make_unique<JsonObject>(std::move(members));
  return v;
}

namespace {

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  std::size_t readTop(JsonValue& out) {
    skipWhitespace();
    out = atEnd() ? JsonValue() : readValue(0);
    return pos_;
  }

 private:
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return text_[pos_]; }

  // Every consumed character moves the position; a line feed starts a line.
  void advance() {
    if (text_[pos_] == '\n') {
      ++line_;
      column_ = 1;
    } else {
      ++column_;
    }
    ++pos_;
  }

  [[noreturn]] void fail(std::string_view message) const { throw JsonError{std::string(message), line_, column_}; }

  // The next character, which must be there.
  char take() {
    if (atEnd()) fail(kJsonEndOfInput);
    const char c = peek();
    advance();
    return c;
  }

  void skipWhitespace() {
    while (!atEnd()) {
      const char c = peek();
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return;
      advance();
    }
  }

  bool startsWith(std::string_view word) const { return text_.substr(pos_).starts_with(word); }

  JsonValue readValue(int depth) {
    const char c = peek();
    if (c == '[') return readArray(depth + 1);
    if (c == '{') return readObject(depth + 1);
    if (c == '"' || c == '\'') return JsonValue::string(readString());
    if (c == '-' || (c >= '0' && c <= '9')) return readNumber();
    if (readWord("true")) return JsonValue::boolean(true);
    if (readWord("false")) return JsonValue::boolean(false);
    if (readWord("null")) return JsonValue();
    fail(kJsonUnrecognised);
  }

  bool readWord(std::string_view word) {
    if (!startsWith(word)) return false;
    for (std::size_t i = 0; i < word.size(); ++i) advance();
    return true;
  }

  // The first character is the quote; the string ends at the next one that
  // no backslash takes.
  std::string readString() {
    const char quote = take();
    std::string text;
    for (char c = take(); c != quote; c = take()) {
      if (c == '\\') c = unescaped(take());
      text.push_back(c);
    }
    return text;
  }

  static char unescaped(char c) {
    switch (c) {
      case 'n': return '\n';
      case 'r': return '\r';
      case 't': return '\t';
      case 'b': return '\b';
      default: return c;
    }
  }

  // Digits and points after an optional '-'. Without a point the value is
  // an integer that wraps at 32 bits; each point starts the fraction again.
  JsonValue readNumber() {
    const bool negative = peek() == '-';
    if (negative) advance();
    std::uint32_t whole = 0;
    bool hasPoint = false;
    double fraction = 0.0;
    double scale = 1.0;
    while (!atEnd()) {
      const char c = peek();
      if (c == '.') {
        hasPoint = true;
        fraction = 0.0;
        scale = 1.0;
      } else if (c >= '0' && c <= '9') {
        if (hasPoint) {
          scale *= 10.0;
          fraction += (c - '0') / scale;
        } else {
          whole = whole * 10u + static_cast<std::uint32_t>(c - '0');
        }
      } else {
        break;
      }
      advance();
    }
    if (!hasPoint) return JsonValue::integer(static_cast<std::int32_t>(negative ? 0u - whole : whole));
    const double value = static_cast<std::int32_t>(whole) + fraction;
    return JsonValue::number(negative ? -value : value);
  }

  void enter(int depth) const {
    if (depth > kJsonMaxDepth) fail(kJsonTooDeep);
  }

  // The character after the whitespace, which must be there.
  char nextAfterWhitespace() {
    skipWhitespace();
    if (atEnd()) fail(kJsonEndOfInput);
    return peek();
  }

  JsonValue readArray(int depth) {
    enter(depth);
    advance();
    JsonArray items;
    while (nextAfterWhitespace() != ']') {
      items.push_back(readValue(depth));
      skipOneComma();
    }
    advance();
    return JsonValue::array(std::move(items));
  }

  JsonValue readObject(int depth) {
    enter(depth);
    advance();
    JsonObject members;
    while (nextAfterWhitespace() != '}') {
      std::string name = readString();
      nextAfterWhitespace();
      advance();  // the separator, whatever it is
      nextAfterWhitespace();
      // A repeated name keeps the value read last.
      members[std::move(name)] = readValue(depth);
      skipOneComma();
    }
    advance();
    return JsonValue::object(std::move(members));
  }

  void skipOneComma() {
    skipWhitespace();
    if (!atEnd() && peek() == ',') advance();
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
};

}  // namespace

std::size_t parseJson(std::string_view text, JsonValue& out) { return JsonReader(text).readTop(out); }

std::size_t parseJson(const char* text, long length, JsonValue& out) {
  const std::size_t size = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
  return parseJson(std::string_view(text, size), out);
}

}  // namespace zum
