#include "Literals.h"

#include "Records.h"
#include "Vocabulary.h"

namespace genproject {

namespace {

struct IntegerForm {
  const char* suffix;
  const char* type;
};
constexpr IntegerForm kIntegerForms[] = {{"", "ni"},  {"", "ni"},   {"", "ni"},    {"U", "ui"}, {"L", "nl"},
                                         {"UL", "ul"}, {"LL", "nL"}, {"ull", "uL"}, {"u", "ui"}, {"i64", "nL"}};

std::string phrase(Random& random) {
  std::string text(verb(random));
  int words = random.between(0, 5);
  for (int w = 0; w < words; ++w) {
    text += ' ';
    text += w % 2 ? noun(random) : adjective(random);
  }
  return text;
}

std::string arrayOf(size_t length, std::string_view element) {
  return "[" + std::to_string(length + 1) + "," + std::string(element) + "]";
}

}  // namespace

void writeNumberLiteral(std::string& out, int64_t value, const LiteralPlace& place, int column) {
  std::string text = std::to_string(value < 0 ? -value : value);
  writeLiteral(out, {.text = text, .suffix = "", .sign = value < 0 ? 'N' : '-', .file = place.file,
                     .line = place.line, .column = column, .inHeader = place.inHeader, .kind = "D-",
                     .type = "ni", .scope = place.scope, .context = place.context});
}

void writeStringLiteral(std::string& out, std::string_view contents, const LiteralPlace& place, int column) {
  std::string text = "\"" + std::string(contents) + "\"";
  std::string type = arrayOf(contents.size(), "nc");
  writeLiteral(out, {.text = text, .suffix = "", .sign = '-', .file = place.file, .line = place.line,
                     .column = column, .inHeader = place.inHeader, .kind = "S-", .type = type,
                     .scope = place.scope, .context = place.context});
}

void writeRandomLiteral(std::string& out, Random& random, const LiteralPlace& place) {
  int column = random.between(5, 72);
  LiteralRecord record;
  record.file = place.file;
  record.line = place.line;
  record.column = column;
  record.inHeader = place.inHeader;
  record.scope = place.scope;
  record.context = place.context;
  std::string text;
  std::string type;
  uint32_t roll = random.below(100);
  if (roll < 40) {
    const IntegerForm& form = kIntegerForms[random.below(std::size(kIntegerForms))];
    text = std::to_string(random.percent(50) ? random.between(0, 16) : random.between(0, 1 << 20));
    record.suffix = form.suffix;
    record.type = form.type;
    record.kind = "D-";
    if (random.percent(15)) record.sign = random.percent(80) ? 'N' : 'P';
  } else if (roll < 50) {
    static constexpr const char* kHex[] = {"0xFF", "0x1F", "0x7fffffff", "0xDEADBEEF", "0x10", "0x8000"};
    text = kHex[random.below(std::size(kHex))];
    record.suffix = random.percent(30) ? "U" : "";
    record.type = record.suffix.empty() ? "ni" : "ui";
    record.kind = "H-";
  } else if (roll < 54) {
    text = random.percent(50) ? "0755" : "0644";
    record.type = "ni";
    record.kind = "O-";
  } else if (roll < 56) {
    text = random.percent(50) ? "0b1010" : "0b11110000";
    record.type = "ni";
    record.kind = "B-";
  } else if (roll < 66) {
    static constexpr const char* kFloats[] = {"0.5", "3.14159", "1e-6", "2.0", "100.0", "0.001"};
    text = kFloats[random.below(std::size(kFloats))];
    record.suffix = random.percent(40) ? "f" : (random.percent(10) ? "L" : "");
    record.type = record.suffix == "f" ? "ff" : record.suffix == "L" ? "fL" : "fd";
    record.kind = "F-";
    if (random.percent(10)) record.sign = 'N';
  } else if (roll < 76) {
    static constexpr const char* kChars[] = {"'a'", "'x'", "'0'", "' '", "'/'", "'\\n'", "'\\0'", "'\\t'", "L'w'"};
    text = kChars[random.below(std::size(kChars))];
    record.kind = text[0] == 'L' ? "CW" : text[1] == '\\' ? "CE" : "C-";
    record.type = text[0] == 'L' ? "nw" : "nc";
  } else {
    std::string contents = phrase(random);
    uint32_t form = random.below(10);
    if (form < 2) {
      contents += "\\n";
      record.kind = "SE";
    } else if (form < 3) {
      contents = "say \\\"" + contents + "\\\"";
      record.kind = "SE";
    } else if (form < 4) {
      record.kind = "SW";
    } else {
      record.kind = "S-";
    }
    text = (record.kind == "SW" ? "L\"" : "\"") + contents + "\"";
    type = arrayOf(contents.size(), record.kind == "SW" ? "nw" : "nc");
    record.type = type;
  }
  record.text = text;
  writeLiteral(out, record);
}

}  // namespace genproject
