// What the unit's preprocessor sees: include relations, macro definitions
// with the literals in them, literals of #if and #elif expressions, and the
// suppression comments of the project's files.
#pragma once

#include <clang/Lex/PPCallbacks.h>
#include <clang/Lex/Preprocessor.h>

#include <string>
#include <vector>

#include "ast/Literals.h"
#include "ast/SourcePlaces.h"
#include "ast/UnitOutput.h"
#include "core/Suppressions.h"

namespace scan {

class PreprocessorRecords : public clang::PPCallbacks {
 public:
  PreprocessorRecords(SourcePlaces& places, UnitOutput& output, LiteralWriter& literals,
                      const clang::LangOptions& language)
      : places_(places), output_(output), literals_(literals), language_(language) {}

  void InclusionDirective(clang::SourceLocation hash, const clang::Token& includeToken, llvm::StringRef fileName,
                          bool angled, clang::CharSourceRange fileNameRange, const clang::FileEntry* file,
                          llvm::StringRef searchPath, llvm::StringRef relativePath, const clang::Module* imported,
                          clang::SrcMgr::CharacteristicKind fileType) override;
  void MacroDefined(const clang::Token& name, const clang::MacroDirective* directive) override;
  void If(clang::SourceLocation at, clang::SourceRange condition, ConditionValueKind value) override;
  void Elif(clang::SourceLocation at, clang::SourceRange condition, ConditionValueKind value,
            clang::SourceLocation ifAt) override;

 private:
  void conditionLiterals(clang::SourceLocation at, clang::SourceRange condition);

  SourcePlaces& places_;
  UnitOutput& output_;
  LiteralWriter& literals_;
  const clang::LangOptions& language_;
};

// Turns the comments of the project's files that hold a suppression
// directive into suppression regions.
class SuppressionComments : public clang::CommentHandler {
 public:
  SuppressionComments(SourcePlaces& places, std::vector<std::string>& warnings)
      : places_(places), warnings_(warnings) {}
  bool HandleComment(clang::Preprocessor& preprocessor, clang::SourceRange comment) override;

  std::vector<SuppressionRegion> regions();

 private:
  SourcePlaces& places_;
  std::vector<std::string>& warnings_;
  SuppressionCollector collector_;
};

}  // namespace scan
