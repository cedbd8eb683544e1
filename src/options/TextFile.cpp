#include "options/TextFile.h"

#include <cstring>

namespace zum {

File openForReading(const U_String& path) { return File(std::fopen(path.c_str(), "rb")); }

bool LineReader::readPiece(U_String& piece) {
  char buffer[1024];
  if (!file_ || !std::fgets(buffer, sizeof buffer, file_)) return false;
  piece.assign(buffer, std::strlen(buffer));
  if (piece.size() >= 2 && piece[piece.size() - 2] == '\r' && piece.back() == '\n') {
    piece.erase(piece.size() - 2, 1);
  }
  return true;
}

bool LineReader::read(U_String& line) {
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
