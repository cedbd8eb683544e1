// A small, lenient reader of JSON text: the rules of a name rule file and
// the list-valued options of the similarity check are written in it.
//
// Leniencies that rule files rely on: strings may be quoted with ' as well
// as ", a backslash keeps any character but n, r, t and b as it is, member
// names may use any character as their quote, a member's name and value may
// be separated by any one character (normally ':'), commas between array
// elements and members are optional, numbers are a run of digits and points
// without exponent, and the characters after the value are not examined.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zum {

// The type codes are part of the reader's interface.
enum class JsonType : int {
  Null = 0,
  Boolean = 1,
  Integer = 2,
  Number = 3,
  String = 4,
  Array = 5,
  Object = 6,
};

class JsonValue;
using JsonArray = std::vector<JsonValue>;
// Members in ascending byte order of their names; a name is there once.
using JsonObject = std::map<std::string, JsonValue>;

// One value. Strings, arrays and objects live on the heap, so that a value
// takes 16 bytes whatever it holds: a long array of small values costs
// little more than its text.
class JsonValue {
 public:
  JsonValue() = default;
  static JsonValue boolean(bool value);
  static JsonValue integer(std::int32_t value);
  static JsonValue number(double value);
  static JsonValue string(std::string text);
  static JsonValue array(JsonArray items);
  static JsonValue object(JsonObject members);

  JsonType type() const noexcept { return static_cast<JsonType>(content_.index()); }
  bool isObject() const noexcept { return type() == JsonType::Object; }

  // Each accessor requires the matching type.
  bool asBoolean() const { return std::get<bool>(content_); }
  std::int32_t asInteger() const { return std::get<std::int32_t>(content_); }
  double asNumber() const { return std::get<double>(content_); }
  const std::string& asString() const { return *std::get<std::unique_ptr<std::string>>(content_); }
  const JsonArray& asArray() const { return *std::get<std::unique_ptr<JsonArray>>(content_); }
  const JsonObject& asObject() const { return *std::get<std::unique_ptr<JsonObject>>(content_); }
  JsonArray& asArray() { return *std::get<std::unique_ptr<JsonArray>>(content_); }
  JsonObject& asObject() { return *std::get<std::unique_ptr<JsonObject>>(content_); }

 private:
  // The alternatives stand in the order of the type codes.
  std::variant<std::monostate, bool, std::int32_t, double, std::unique_ptr<std::string>, std::unique_ptr<JsonArray>,
               std::unique_ptr<JsonObject>>
      content_;
};

// What the reader raises: a message and where reading stopped, counted
// from line 1, column 1 of the text.
struct JsonError {
  std::string message;
  int line = 1;
  int column = 1;
};

inline constexpr std::string_view kJsonEndOfInput = "unexpected end of input";
inline constexpr std::string_view kJsonUnrecognised = "unrecognised character";
// Arrays and objects nest at most this deep: rule files need two levels,
// and a reader that followed a file of ten million '[' would need that many
// frames of stack or memory.
inline constexpr int kJsonMaxDepth = 512;
inline constexpr std::string_view kJsonTooDeep = "nesting too deep";

// Reads one value from the start of `text` into `out` and gives the number
// of characters consumed (whitespace before the value included). An empty
// text, or whitespace only, gives a null value. Throws JsonError.
std::size_t parseJson(std::string_view text, JsonValue& out);
// The same for a text of `length` characters; a negative length reads up to
// the terminating zero byte.
std::size_t parseJson(const char* text, long length, JsonValue& out);

}  // namespace zum
