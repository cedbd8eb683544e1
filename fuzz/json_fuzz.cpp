// Feeds arbitrary bytes to the JSON reader. It may raise its error, never
// crash; an error lies inside the text; and a value read again from just
// the characters it consumed comes out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "namecheck/Json.h"

namespace {

bool same(const zum::JsonValue& a, const zum::JsonValue& b) {
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case zum::JsonType::Null: return true;
    case zum::JsonType::Boolean: return a.asBoolean() == b.asBoolean();
    case zum::JsonType::Integer: return a.asInteger() == b.asInteger();
    case zum::JsonType::Number: return a.asNumber() == b.asNumber();
    case zum::JsonType::String: return a.asString() == b.asString();
    case zum::JsonType::Array: {
      if (a.asArray().size() != b.asArray().size()) return false;
      for (std::size_t i = 0; i < a.asArray().size(); ++i)
        if (!same(a.asArray()[i], b.asArray()[i])) return false;
      return true;
    }
    case zum::JsonType::Object: {
      if (a.asObject().size() != b.asObject().size()) return false;
      for (auto i = a.asObject().begin(), j = b.asObject().begin(); i != a.asObject().end(); ++i, ++j)
        if (i->first != j->first || !same(i->second, j->second)) return false;
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zum::JsonValue value;
  std::size_t consumed = 0;
  try {
    consumed = zum::parseJson(text, value);
  } catch (const zum::JsonError& error) {
    if (error.line < 1 || error.column < 1 || static_cast<std::size_t>(error.line - 1 + error.column - 1) > size)
      std::abort();
    return 0;
  }
  if (consumed > size) std::abort();
  zum::JsonValue again;
  if (zum::parseJson(text.substr(0, consumed), again) != consumed || !same(value, again)) std::abort();
  return 0;
}
