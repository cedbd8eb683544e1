#include "options/TextFile.h"

#include <string>

#include "util/InputFile.h"


namespace zum {

File openForReading(const U_String& path) {
  InputFile input(path);
  if (!input.isOpen()) return nullptr;
  File file(::fdopen(input.fd(), "rb"));
  if (file) input.release();
  return file;
}

bool TextLineReader::readPiece(U_String& piece) {
  constexpr std::size_t kPieceSize = 1023;
  piece.clear();
  if (!file_) return false;
  int c = 0;
  while (piece.size() < kPieceSize && (c = std::getc(file_)) != EOF) {
    if (c == '\0') throw C_ZeroByteException(name_, line_);
    piece += static_cast<char>(c);
    if (c == '\n') break;
  }
  if (piece.empty()) return false;
  if (piece.back() == '\n') {
    ++line_;
    if (piece.size() >= 2 && piece[piece.size() - 2] == '\r') piece.erase(piece.size() - 2, 1);
  }
  return true;
}

U_String TextLineReader::place(int line) const {
  if (name_.empty()) return U_String();
  return "in '" + name_ + "' at line " + std::to_string(line);
}

bool TextLineReader::read(U_String& line) {
  if (!readPiece(line)) return false;
  U_String more;
  while (line.size() >= 2 && line[line.size() - 2] == '\\' && line.back() == '\n') {
    line.resize(line.size() - 2);
    if (!readPiece(more)) break;
    line += more;
  }
  return true;
}

}  // namespace zum
