#include "ast/PreprocessorRecords.h"

#include <clang/Basic/FileEntry.h>
#include <clang/Lex/Lexer.h>
#include <clang/Lex/MacroInfo.h>

#include <cstring>

#include "ast/Names.h"
#include "core/Paths.h"
#include "core/Records.h"

namespace scan {

void PreprocessorRecords::InclusionDirective(clang::SourceLocation hash, const clang::Token&, llvm::StringRef, bool,
                                             clang::CharSourceRange, const clang::FileEntry* file, llvm::StringRef,
                                             llvm::StringRef, const clang::Module*,
                                             clang::SrcMgr::CharacteristicKind) {
  const Place place = places_.expansion(hash);
  if (!place || !file) return;
  llvm::StringRef real = file->tryGetRealPathName();
  const std::string included = real.empty() ? normalPath(file->getName().str(), currentDirectory()) : real.str();
  writeInclude(output_.preprocessorPiece(hash), place.file->path, included, place.line);
}

void PreprocessorRecords::MacroDefined(const clang::Token& name, const clang::MacroDirective* directive) {
  const Place place = places_.expansion(name.getLocation());
  if (!place) return;
  const clang::MacroInfo* macro = directive->getMacroInfo();
  std::string& out = output_.preprocessorPiece(name.getLocation());
  writeDefine(out, {.name = recordIdentifier(name.getIdentifierInfo()->getName()), .file = place.file->path,
                    .line = place.line, .inHeader = place.inHeader(), .code = 'F', .space = "OM", .scope = '-',
                    .linkage = '-', .type = "", .flags = macro->isFunctionLike() ? "F" : "O"});
  for (const clang::Token& token : macro->tokens()) literals_.token(out, token, 'M');
}

void PreprocessorRecords::If(clang::SourceLocation at, clang::SourceRange condition, ConditionValueKind) {
  conditionLiterals(at, condition);
}

void PreprocessorRecords::Elif(clang::SourceLocation at, clang::SourceRange condition, ConditionValueKind,
                               clang::SourceLocation) {
  conditionLiterals(at, condition);
}

void PreprocessorRecords::conditionLiterals(clang::SourceLocation at, clang::SourceRange condition) {
  if (!places_.expansion(at) || condition.isInvalid()) return;
  const clang::SourceManager& sources = places_.sourceManager();
  // The range may start at a macro the condition expands.
  auto [id, offset] = sources.getDecomposedExpansionLoc(condition.getBegin());
  const unsigned end = sources.getFileOffset(sources.getExpansionLoc(condition.getEnd()));
  bool invalid = false;
  llvm::StringRef buffer = sources.getBufferData(id, &invalid);
  if (invalid) return;
  // The condition as written, lexed again: the preprocessor has already
  // expanded its macros.
  clang::Lexer lexer(sources.getLocForStartOfFile(id), language_, buffer.begin(), buffer.begin() + offset, buffer.end());
  std::string* out = nullptr;
  for (;;) {
    clang::Token token;
    lexer.LexFromRawLexer(token);
    if (token.is(clang::tok::eof) || sources.getFileOffset(token.getLocation()) > end) break;
    if (!token.isLiteral()) continue;
    if (!out) out = &output_.preprocessorPiece(at);
    literals_.token(*out, token, 'P');
  }
}

bool SuppressionComments::HandleComment(clang::Preprocessor&, clang::SourceRange comment) {
  // Every comment of the unit comes here, system headers' too: the text is
  // looked at before anything else.
  const clang::SourceManager& sources = places_.sourceManager();
  const char* begin = sources.getCharacterData(comment.getBegin());
  const char* end = sources.getCharacterData(comment.getEnd());
  const llvm::StringRef text(begin, static_cast<std::size_t>(end - begin));
  if (text.find("zum:") == llvm::StringRef::npos) return false;
  const Place place = places_.expansion(comment.getBegin());
  if (!place) return false;
  std::string problem;
  std::optional<SuppressionDirective> directive = parseSuppressionComment(std::string_view(text.data(), text.size()), problem);
  const std::string where = place.file->path + ":" + std::to_string(place.line) + ": ";
  if (!directive) {
    if (!problem.empty()) warnings_.push_back(where + "suppression comment ignored: " + problem);
    return false;
  }
  const int lastLine = places_.expansion(comment.getEnd()).line;
  std::string warning = collector_.add(place.file->path, place.line, place.column, lastLine, std::move(*directive));
  if (!warning.empty()) warnings_.push_back(where + warning);
  return false;
}

std::vector<SuppressionRegion> SuppressionComments::regions() {
  return collector_.finish([this](const std::string& path) {
    for (const SourceFile* file : places_.files())
      if (file->path == path) return static_cast<int>(file->lines);
    return 0;
  });
}

}  // namespace scan
