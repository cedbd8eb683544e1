#include "ast/UnitOutput.h"

namespace scan {

std::string UnitOutput::merge(const clang::SourceManager& sources) const {
  std::size_t size = trailer_.size();
  for (const Piece& piece : preprocessor_) size += piece.text.size();
  for (const Piece& piece : declarations_) size += piece.text.size();
  std::string text;
  text.reserve(size);
  // Both lists are in the unit's order already: one pass merges them.
  auto a = preprocessor_.begin();
  auto b = declarations_.begin();
  while (a != preprocessor_.end() || b != declarations_.end()) {
    const bool takePreprocessor =
        b == declarations_.end() ||
        (a != preprocessor_.end() && !sources.isBeforeInTranslationUnit(b->key, a->key));
    const Piece& piece = takePreprocessor ? *a++ : *b++;
    text += piece.text;
  }
  text += trailer_;
  return text;
}

}  // namespace scan
