// The text of one unit's metric file, gathered in pieces and put in the
// order the unit reads: records made while the preprocessor runs (includes,
// macros) and records made from the finished AST (one piece per top-level
// declaration) are merged by their places in the unit; the file metrics
// come last.
#pragma once

#include <clang/Basic/SourceManager.h>

#include <string>
#include <vector>

namespace scan {

class UnitOutput {
 public:
  // A new piece that sorts at `key`, a place of the unit's text.
  std::string& preprocessorPiece(clang::SourceLocation key) { return start(preprocessor_, key); }
  std::string& declarationPiece(clang::SourceLocation key) { return start(declarations_, key); }
  std::string& trailer() { return trailer_; }

  // The whole file.
  std::string merge(const clang::SourceManager& sources) const;

 private:
  struct Piece {
    clang::SourceLocation key;
    std::string text;
  };
  static std::string& start(std::vector<Piece>& pieces, clang::SourceLocation key) {
    pieces.push_back({key, {}});
    return pieces.back().text;
  }

  std::vector<Piece> preprocessor_;
  std::vector<Piece> declarations_;
  std::string trailer_;
};

}  // namespace scan
