// Reading the text files of option sources: an owned C file and the line
// reader that via files and the configuration file share.
#pragma once

#include <cstdio>
#include <memory>

#include "options/OptionExceptions.h"
#include "util/String.h"

namespace zum {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for reading in binary mode; null when it cannot be opened or
// is not a regular file.
File openForReading(const U_String& path);

// Lines as a 1024-byte line buffer gives them: a line longer than 1023
// bytes comes in pieces of at most 1023; a line ending in backslash and
// newline is joined with the next (both removed); a line keeps its newline
// ("\r\n" becomes "\n"). A zero byte is no text: it raises
// C_ZeroByteException naming the file and the line, rather than have the
// words on either side of it misread.
class TextLineReader {
 public:
  // `name` and `firstLine` say where the text comes from, for messages.
  explicit TextLineReader(std::FILE* file, U_String name = "", int firstLine = 1)
      : file_(file), name_(std::move(name)), line_(firstLine) {}

  // False at the end of the file.
  bool read(U_String& line);
  // The line that the next read() begins with.
  int lineNumber() const noexcept { return line_; }
  // "in 'NAME' at line N" for a message about line N; "" without a name.
  U_String place(int line) const;

 private:
  bool readPiece(U_String& piece);

  std::FILE* file_;
  U_String name_;
  int line_;
};

// `line` without its newline.
inline U_String withoutNewline(const U_String& line) {
  return !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace zum
