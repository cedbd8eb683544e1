#include "JsonWriter.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at `text[i]`, 0 when there is none.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned min = 0;
  unsigned code = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2, code = lead & 0x1f, min = 0x80;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3, code = lead & 0x0f, min = 0x800;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3f);
  }
  if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  return length;
}

}  // namespace

void JsonWriter::beginObject() {
  beforeValue();
  out_ << '{';
  hasElement_.push_back(false);
}

void JsonWriter::endObject() { close('}'); }

void JsonWriter::beginArray() {
  beforeValue();
  out_ << '[';
  hasElement_.push_back(false);
}

void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
  beforeValue();
  string(name);
  out_ << ": ";
  afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
  beforeValue();
  string(text);
}

void JsonWriter::value(long long number) {
  beforeValue();
  out_ << number;
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasElement_.empty()) return;
  if (hasElement_.back()) out_ << ',';
  hasElement_.back() = true;
  newLine();
}

void JsonWriter::close(char bracket) {
  const bool hadElements = hasElement_.back();
  hasElement_.pop_back();
  if (hadElements) newLine();
  out_ << bracket;
  if (hasElement_.empty()) out_ << '\n';
}

void JsonWriter::newLine() {
  out_ << '\n';
  for (std::size_t i = 0; i < hasElement_.size(); ++i) out_ << "  ";
}

void JsonWriter::string(std::string_view text) {
  out_ << '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out_ << '\\' << static_cast<char>(c);
    } else if (c == '\n') {
      out_ << "\\n";
    } else if (c == '\t') {
      out_ << "\\t";
    } else if (c == '\r') {
      out_ << "\\r";
    } else if (c < 0x20 || c == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out_ << escaped;
    } else if (c >= 0x80) {
      const std::size_t length = utf8Length(text, i);
      if (length == 0) {
        // Latin-1: U+0080 to U+00FF in two bytes.
        out_ << static_cast<char>(0xc0 | (c >> 6)) << static_cast<char>(0x80 | (c & 0x3f));
        ++i;
      } else {
        out_ << text.substr(i, length);
        i += length;
      }
      continue;
    } else {
      out_ << static_cast<char>(c);
    }
    ++i;
  }
  out_ << '"';
}
