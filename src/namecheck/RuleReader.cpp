#include "namecheck/RuleReader.h"

#include <initializer_list>

#include "namecheck/Json.h"
#include "namecheck/RuleWords.h"

namespace zum {

namespace {

// The JSON text starts after "rule=": a column of the JSON text is told as
// a column of the whole line this much further on.
constexpr int kRuleColumnShift = 4;

class RuleBuilder {
 public:
  RuleBuilder(int lineNumber, NameRule& rule, std::string& errors)
      : lineNumber_(lineNumber), rule_(rule), errors_(errors) {}

  bool read(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return true;
    JsonValue value;
    try {
      parseJson(text, value);
    } catch (const JsonError& error) {
      errorLine({" ERROR: option parsing: ", error.message, " column: ",
                 std::to_string(error.column + kRuleColumnShift)});
      return false;
    }
    if (!value.isObject()) {
      errorLine({" Rule is not a JSON object: ", text});
      ruleTextLine(text);
      return false;
    }
    // Every member is read, so that all of a rule's errors are told at once.
    bool good = true;
    for (const auto& [name, member] : value.asObject()) good = readMember(name, member) && good;
    if (!good) ruleTextLine(text);
    return good;
  }

 private:
  // Writes "Line <n>" and the pieces as one line of the error text.
  void errorLine(std::initializer_list<std::string_view> pieces) {
    errors_ += "Line ";
    errors_ += std::to_string(lineNumber_);
    for (std::string_view piece : pieces) errors_ += piece;
    errors_ += '\n';
  }

  void ruleTextLine(std::string_view text) {
    errors_ += ' ';
    errors_ += text;
    errors_ += '\n';
  }

  bool readMember(const std::string& name, const JsonValue& value) {
    switch (value.type()) {
      case JsonType::String: return readString(name, value.asString());
      case JsonType::Integer: return readInteger(name, value.asInteger());
      case JsonType::Boolean: return readBoolean(name, value.asBoolean());
      default:
        errorLine({" Unknown value for object member name '", name, "'"});
        return false;
    }
  }

  bool readString(const std::string& name, const std::string& text) {
    if (const MaskMember* member = findMaskMember(name)) return addWords(*member, text);
    if (name == "type") return compile(rule_.type, text, text, "Type", "");
    if (name == "filename") return compile(rule_.filename, text, text, "Filename", "");
    if (name == "pattern") return compile(rule_.pattern, text, text, "Pattern", "");
    if (name == "namespace") {
      const std::string expression = text == kUnnamedNamespaceWord ? std::string(kUnnamedNamespaceExpression) : text;
      return compile(rule_.nameSpace, text, expression, "namespace", " or value is not 'unnamed' ");
    }
    errorLine({" Unknown object member name '", name, "' with string value ", text});
    return false;
  }

  // Words are separated by single spaces or single commas; every word is
  // looked up, so one unknown word does not keep the others out.
  bool addWords(const MaskMember& member, std::string_view text) {
    bool good = true;
    for (;;) {
      const std::size_t separator = text.find_first_of(" ,");
      const std::string_view word = text.substr(0, separator);
      if (const unsigned bit = maskBitOf(member, word)) {
        rule_.*member.mask |= bit;
      } else {
        errorLine({" Unknown value '", word, "'"});
        good = false;
      }
      if (separator == std::string_view::npos) return good;
      text.remove_prefix(separator + 1);
    }
  }

  bool compile(RuleExpression& target, const std::string& value, const std::string& expression,
               std::string_view what, std::string_view tail) {
    target.text = value;
    const std::optional<std::string> error = target.regex.compile(expression);
    if (!error) return true;
    rule_.lastCompileError = *error;
    errorLine({" ", what, " Regular expression '", value, "' compile fail: ", *error, tail});
    return false;
  }

  bool readInteger(const std::string& name, std::int32_t number) {
    if (name != "message") {
      errorLine({" Unknown object member name '", name, "' with integer value ", std::to_string(number)});
      return false;
    }
    if (number <= 0) {
      errorLine({" Message number ", std::to_string(number), " must be greater than zero "});
      return false;
    }
    rule_.message = number;
    return true;
  }

  // "invert" inverts the rule whichever boolean it is given.
  bool readBoolean(const std::string& name, bool flag) {
    if (name == "invert") {
      rule_.invert = true;
      return true;
    }
    errorLine({" Unknown object member name '", name, "' with boolean value ", flag ? "1" : "0"});
    return false;
  }

  const int lineNumber_;
  NameRule& rule_;
  std::string& errors_;
};

}  // namespace

bool readRule(std::string_view ruleText, int lineNumber, NameRule& rule, std::string& errors) {
  return RuleBuilder(lineNumber, rule, errors).read(ruleText);
}

}  // namespace zum
