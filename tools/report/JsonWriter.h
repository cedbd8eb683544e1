// A small JSON writer: objects, arrays, strings and integers, indented by
// two blanks. Strings are written as UTF-8; a byte that does not belong to
// a valid UTF-8 sequence is taken as Latin-1, so any text makes valid JSON.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // The name of the next member of the current object.
  void key(std::string_view name);
  void value(std::string_view text);
  void value(const char* text) { value(std::string_view(text)); }
  void value(long long number);
  // A member with a string or integer value.
  void member(std::string_view name, std::string_view text) {
    key(name);
    value(text);
  }
  void member(std::string_view name, long long number) {
    key(name);
    value(number);
  }

 private:
  void beforeValue();
  void close(char bracket);
  void newLine();
  void string(std::string_view text);

  std::ostream& out_;
  // Per open object or array: whether it has an element yet.
  std::vector<bool> hasElement_;
  bool afterKey_ = false;
};
