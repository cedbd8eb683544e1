#include "ast/SourcePlaces.h"

#include <clang/Basic/FileEntry.h>

#include "core/Paths.h"

namespace scan {

SourceFile* SourcePlaces::file(clang::FileID id) {
  if (id.isInvalid()) return nullptr;
  auto [entry, added] = byId_.try_emplace(id, nullptr);
  if (!added) return entry->second;
  const clang::FileEntry* fileEntry = sources_.getFileEntryForID(id);
  const clang::SrcMgr::CharacteristicKind kind = sources_.getFileCharacteristic(sources_.getLocForStartOfFile(id));
  if (!fileEntry || clang::SrcMgr::isSystem(kind)) return nullptr;
  auto made = std::make_unique<SourceFile>();
  llvm::StringRef real = fileEntry->tryGetRealPathName();
  made->path = real.empty() ? normalPath(fileEntry->getName().str(), currentDirectory()) : real.str();
  made->main = id == sources_.getMainFileID();
  const llvm::StringRef buffer = sources_.getBufferData(id);
  made->lines = static_cast<unsigned>(buffer.count('\n')) + (buffer.empty() || buffer.back() == '\n' ? 0 : 1);
  entry->second = made.get();
  order_.push_back(made.get());
  owned_.push_back(std::move(made));
  return entry->second;
}

Place SourcePlaces::placeOf(clang::FileID id, unsigned offset) {
  Place place;
  place.file = file(id);
  if (!place.file) return place;
  place.line = static_cast<int>(sources_.getLineNumber(id, offset));
  place.column = static_cast<int>(sources_.getColumnNumber(id, offset));
  return place;
}

Place SourcePlaces::expansion(clang::SourceLocation loc) {
  if (loc.isInvalid()) return {};
  auto [id, offset] = sources_.getDecomposedExpansionLoc(loc);
  return placeOf(id, offset);
}

Place SourcePlaces::spelling(clang::SourceLocation loc) {
  if (loc.isInvalid()) return {};
  auto [id, offset] = sources_.getDecomposedSpellingLoc(loc);
  return placeOf(id, offset);
}

}  // namespace scan
