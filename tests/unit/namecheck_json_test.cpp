// The lenient JSON reader: the forms it accepts, its numbers, its errors
// with their positions, and input that must not run away with the stack.
#include <gtest/gtest.h>

#include <string>

#include "namecheck/Json.h"

namespace {

using zum::JsonError;
using zum::JsonType;
using zum::JsonValue;

JsonValue read(std::string_view text, std::size_t* consumed = nullptr) {
  JsonValue value;
  const std::size_t used = zum::parseJson(text, value);
  if (consumed) *consumed = used;
  return value;
}

JsonError errorOf(std::string_view text) {
  JsonValue value;
  try {
    zum::parseJson(text, value);
  } catch (const JsonError& error) {
    return error;
  }
  ADD_FAILURE() << "no error for " << text;
  return {};
}

// A compact text of a value, to compare whole trees at once.
std::string show(const JsonValue& v) {
  switch (v.type()) {
    case JsonType::Null: return "null";
    case JsonType::Boolean: return v.asBoolean() ? "true" : "false";
    case JsonType::Integer: return "i" + std::to_string(v.asInteger());
    case JsonType::Number: return "n" + std::to_string(v.asNumber());
    case JsonType::String: return "'" + v.asString() + "'";
    case JsonType::Array: {
      std::string out = "[";
      for (const JsonValue& item : v.asArray()) out += show(item) + ";";
      return out + "]";
    }
    case JsonType::Object: {
      std::string out = "{";
      for (const auto& [name, member] : v.asObject()) out += name + "=" + show(member) + ";";
      return out + "}";
    }
  }
  return "?";
}

TEST(JsonForms, QuotesSeparatorsAndCommasAreLenient) {
  const std::string expected = "{a='x';b=[i1;i2;];c={d=true;e=null;};}";
  EXPECT_EQ(show(read(R"({"a":"x","b":[1,2],"c":{"d":true,"e":null}})")), expected);
  EXPECT_EQ(show(read("{'a':'x','b':[1,2],'c':{'d':true,'e':null}}")), expected);
  // Any one character separates name and value; commas are optional and
  // may trail; a name may be quoted with any character.
  EXPECT_EQ(show(read("{ 'c' = { 'e' = null \"d\"=true } , 'b' = [1 2,] 'a'='x', }")), "{a='x';b=[i1;i2;];c={d=true;e=null;};}");
  EXPECT_EQ(show(read("{|a|:'x'}")), "{a='x';}");
  EXPECT_EQ(show(read("[]")), "[]");
  EXPECT_EQ(show(read("{}")), "{}");
}

TEST(JsonForms, EscapesGiveControlCharactersOrTheCharacterItself) {
  EXPECT_EQ(read(R"("a\nb\rc\td\be\"f\\g\qh\'")").asString(), "a\nb\rc\td\be\"f\\gqh'");
  EXPECT_EQ(read(R"('it\'s "so"')").asString(), "it's \"so\"");
}

TEST(JsonForms, MembersAreKeptInByteOrderOnceEach) {
  const JsonValue v = read("{'b':1,'\xC3\xA9':2,'B':3,'a':4,'b':5}");
  std::string names;
  for (const auto& [name, member] : v.asObject()) names += name + " ";
  EXPECT_EQ(names, "B a b \xC3\xA9 ");
  EXPECT_EQ(v.asObject().at("b").asInteger(), 5);
}

TEST(JsonForms, TypeCodes) {
  const char* const texts[] = {"null", "false", "7", "7.5", "'s'", "[]", "{}"};
  for (int code = 0; code < 7; ++code) EXPECT_EQ(static_cast<int>(read(texts[code]).type()), code) << texts[code];
}

TEST(JsonNumbers, IntegersWrapAndPointsMakeNumbers) {
  EXPECT_EQ(read("-12").asInteger(), -12);
  EXPECT_EQ(read("4294967297").asInteger(), 1);
  EXPECT_EQ(read("-2147483648").asInteger(), INT32_MIN);
  EXPECT_EQ(read("-").asInteger(), 0);
  EXPECT_DOUBLE_EQ(read("1.25").asNumber(), 1.25);
  EXPECT_DOUBLE_EQ(read("-0.5").asNumber(), -0.5);
  // A further point starts the fraction again.
  EXPECT_DOUBLE_EQ(read("1.2.5").asNumber(), 1.5);
  std::size_t consumed = 0;
  EXPECT_EQ(read("1e3", &consumed).asInteger(), 1);
  EXPECT_EQ(consumed, 1u);
}

TEST(JsonReading, ConsumesOneValueAndLooksNoFurther) {
  std::size_t consumed = 99;
  EXPECT_EQ(read("", &consumed).type(), JsonType::Null);
  EXPECT_EQ(consumed, 0u);
  EXPECT_EQ(show(read("  {'a':1} trailing ]]", &consumed)), "{a=i1;}");
  EXPECT_EQ(consumed, 9u);
  EXPECT_EQ(read(" \t\r\n", &consumed).type(), JsonType::Null);
  EXPECT_EQ(consumed, 4u);

  JsonValue v;
  EXPECT_EQ(zum::parseJson("[1] x", -1, v), 3u);
  EXPECT_THROW(zum::parseJson("[1] x", 2, v), JsonError);
}

TEST(JsonErrors, MessagesAndPositions) {
  struct Case {
    const char* text;
    std::string_view message;
    int line, column;
  };
  const Case cases[] = {
      {"'abc", zum::kJsonEndOfInput, 1, 5},
      {"{'a':1", zum::kJsonEndOfInput, 1, 7},
      {"{'a'", zum::kJsonEndOfInput, 1, 5},
      {"[1,\n  2", zum::kJsonEndOfInput, 2, 4},
      {"'ab\\", zum::kJsonEndOfInput, 1, 5},
      {"nil", zum::kJsonUnrecognised, 1, 1},
      {"tru", zum::kJsonUnrecognised, 1, 1},
      {"{\n 'a' : nil}", zum::kJsonUnrecognised, 2, 8},
      {"[1,,2]", zum::kJsonUnrecognised, 1, 4},
      {".5", zum::kJsonUnrecognised, 1, 1},
  };
  for (const Case& c : cases) {
    const JsonError error = errorOf(c.text);
    EXPECT_EQ(error.message, c.message) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.column, c.column) << c.text;
  }
}

TEST(JsonErrors, DeepNestingStopsWithAnError) {
  const JsonError open = errorOf(std::string(10 << 20, '['));
  EXPECT_EQ(open.message, zum::kJsonTooDeep);
  EXPECT_EQ(open.column, zum::kJsonMaxDepth + 1);
  std::string closed = std::string(zum::kJsonMaxDepth, '[') + std::string(zum::kJsonMaxDepth, ']');
  EXPECT_EQ(read(closed).type(), JsonType::Array);
  EXPECT_EQ(errorOf("{'a':" + closed + "}").message, zum::kJsonTooDeep);
}

}  // namespace
