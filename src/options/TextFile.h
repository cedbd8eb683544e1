// Reading the text files of option sources: an owned C file and the line
// reader that via files and the configuration file share.
#pragma once

#include <cstdio>
#include <memory>

#include "util/String.h"

namespace zum {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for reading in binary mode; null when it cannot be opened.
File openForReading(const U_String& path);

// Lines as a 1024-byte line buffer gives them: a line longer than 1023
// bytes comes in pieces of at most 1023; a line ending in backslash and
// newline is joined with the next (both removed); a line keeps its newline
// ("\r\n" becomes "\n"). A zero byte ends the text of its piece.
class LineReader {
 public:
  explicit LineReader(std::FILE* file) : file_(file) {}

  // False at the end of the file.
  bool read(U_String& line);

 private:
  bool readPiece(U_String& piece);

  std::FILE* file_;
};

// `line` without its newline.
inline U_String withoutNewline(const U_String& line) {
  return !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace zum
