#include "options/ViaTokenizer.h"

#include "options/VariableSubstitution.h"

namespace zum {

namespace {

bool isWhite(int c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

ViaTokenizer::ViaTokenizer(std::FILE* file, std::ostream& messages, U_String name, int firstLine)
    : lines_(file, std::move(name), firstLine), messages_(messages) {}

int ViaTokenizer::get() {
  while (position_ >= line_.size()) {
    if (atEnd_) return kEnd;
    U_String raw;
    const int lineNumber = lines_.lineNumber();
    if (!lines_.read(raw)) {
      atEnd_ = true;
      line_.clear();
      position_ = 0;
      return kEnd;
    }
    if (!raw.empty() && raw.front() == '*') continue;
    line_ = substituteVariables(raw, messages_, lines_.place(lineNumber));
    position_ = 0;
  }
  return static_cast<unsigned char>(line_[position_++]);
}

bool ViaTokenizer::next(U_String& word) {
  int c = get();
  while (isWhite(c)) c = get();
  if (c == kEnd) return false;
  word.clear();
  for (; c != kEnd && !isWhite(c); c = get()) {
    if (c == '"' || c == '\'') {
      const int quote = c;
      // The line end closes an open quote and is used up by it, so the word
      // goes on with the next line unless that starts with white space.
      for (c = get(); c != quote && c != '\n' && c != kEnd; c = get()) word += static_cast<char>(c);
      if (c == kEnd) break;
    } else {
      word += static_cast<char>(c);
    }
  }
  return true;
}

}  // namespace zum
