#include "ast/Literals.h"

#include <clang/Basic/DiagnosticIDs.h>
#include <clang/Basic/TargetInfo.h>
#include <clang/Lex/Lexer.h>
#include <clang/Lex/LiteralSupport.h>

#include "core/LiteralText.h"
#include "core/Records.h"

namespace scan {

namespace {

bool isQuotedKind(clang::tok::TokenKind kind) {
  return clang::tok::isStringLiteral(kind) || kind == clang::tok::char_constant ||
         kind == clang::tok::wide_char_constant || kind == clang::tok::utf8_char_constant ||
         kind == clang::tok::utf16_char_constant || kind == clang::tok::utf32_char_constant;
}

}  // namespace

LiteralWriter::LiteralWriter(clang::ASTContext& context, SourcePlaces& places, TypeSpeller& types)
    : context_(context),
      sources_(context.getSourceManager()),
      places_(places),
      types_(types),
      quiet_(new clang::DiagnosticIDs(), new clang::DiagnosticOptions(), &ignore_, false) {
  quiet_.setSourceManager(&context.getSourceManager());
  quiet_.setSuppressAllDiagnostics(true);
}

void LiteralWriter::token(std::string& out, const clang::Token& token, char context) {
  std::optional<clang::QualType> type;
  if (token.is(clang::tok::numeric_constant)) {
    type = numberType(clang::Lexer::getSpelling(token, sources_, context_.getLangOpts()), token.getLocation());
  } else if (isQuotedKind(token.getKind())) {
    type = quotedType(token);
  }
  if (!type) return;
  const clang::SourceLocation at = sources_.getSpellingLoc(token.getLocation());
  if (context == 'M') inMacros_.insert(at.getRawEncoding());
  write(out, at, types_.of(*type), context, '-', 'F');
}

void LiteralWriter::expression(std::string& out, const clang::Expr* literal, char context, char sign, char scope) {
  const auto* string = llvm::dyn_cast<clang::StringLiteral>(literal);
  if (!string || string->getNumConcatenated() == 1) {
    const clang::SourceLocation at = sources_.getSpellingLoc(literal->getBeginLoc());
    if (inMacros_.contains(at.getRawEncoding())) return;
    write(out, at, types_.of(literal->getType()), context, sign, scope);
    return;
  }
  // "abc" "def": each token is a literal of its own, of its own length.
  for (unsigned i = 0; i < string->getNumConcatenated(); ++i) {
    const clang::SourceLocation at = sources_.getSpellingLoc(string->getStrTokenLoc(i));
    if (inMacros_.contains(at.getRawEncoding())) continue;
    clang::Token token;
    if (clang::Lexer::getRawToken(at, token, sources_, context_.getLangOpts(), true)) continue;
    if (std::optional<clang::QualType> type = quotedType(token))
      write(out, at, types_.of(*type), context, sign, scope);
  }
}

void LiteralWriter::write(std::string& out, clang::SourceLocation at, const std::string& type, char context,
                          char sign, char scope) {
  const Place place = places_.spelling(at);
  if (!place || !written_.insert(at.getRawEncoding()).second) return;
  llvm::SmallString<64> buffer;
  bool invalid = false;
  // The spelling with line splices removed: one record stays one line.
  llvm::StringRef spelling = clang::Lexer::getSpelling(at, buffer, sources_, context_.getLangOpts(), &invalid);
  if (invalid || spelling.empty() || spelling.find('\n') != llvm::StringRef::npos) return;
  LiteralRecord record;
  record.sign = sign;
  record.file = place.file->path;
  record.line = place.line;
  record.column = place.column;
  record.inHeader = place.inHeader();
  record.type = type;
  record.scope = scope;
  record.context = context;
  char kind[3] = {'D', '-', '\0'};
  const std::string_view text(spelling.data(), spelling.size());
  if (text.find_first_of("\"'") != std::string_view::npos) {
    QuotedParts quoted = splitQuoted(text);
    record.text = quoted.text;
    kind[0] = quoted.kind[0];
    kind[1] = quoted.kind[1];
  } else {
    NumberParts number = splitNumber(text);
    record.text = number.number;
    record.suffix = number.suffix;
    kind[0] = number.form;
  }
  record.kind = kind;
  writeLiteral(out, record);
}

std::optional<clang::QualType> LiteralWriter::numberType(llvm::StringRef spelling, clang::SourceLocation at) {
  clang::NumericLiteralParser number(spelling, at, sources_, context_.getLangOpts(), context_.getTargetInfo(), quiet_);
  if (number.hadError) return std::nullopt;
  if (number.isFloatingLiteral()) {
    if (number.isFloat) return context_.FloatTy;
    if (number.isLong) return context_.LongDoubleTy;
    if (number.isFloat128) return context_.Float128Ty;
    if (number.isHalf || number.isFloat16) return context_.HalfTy;
    return context_.DoubleTy;
  }
  // The first type the value fits, in the order the language gives: a
  // decimal number without "u" stays signed.
  llvm::APInt value(context_.getTargetInfo().getIntMaxTWidth(), 0);
  const bool overflow = number.GetIntegerValue(value);
  const bool mayBeUnsigned = number.isUnsigned || number.getRadix() != 10;
  struct Candidate {
    clang::QualType type;
    bool allowed;
  };
  const bool sized = number.isLong || number.isLongLong || number.isSizeT;
  const Candidate candidates[] = {
      {context_.IntTy, !sized && !number.isUnsigned},
      {context_.UnsignedIntTy, !sized && mayBeUnsigned},
      {context_.LongTy, !number.isLongLong && !number.isUnsigned},
      {context_.UnsignedLongTy, !number.isLongLong && mayBeUnsigned},
      {context_.LongLongTy, !number.isUnsigned},
      {context_.UnsignedLongLongTy, true},
  };
  for (const Candidate& candidate : candidates) {
    if (!candidate.allowed) continue;
    const unsigned width = static_cast<unsigned>(context_.getTypeSize(candidate.type));
    const unsigned usable = candidate.type->isSignedIntegerType() ? width - 1 : width;
    if (!overflow && value.getActiveBits() <= usable) return candidate.type;
  }
  return context_.UnsignedLongLongTy;
}

std::optional<clang::QualType> LiteralWriter::quotedType(const clang::Token& token) {
  const clang::LangOptions& language = context_.getLangOpts();
  using clang::tok::TokenKind;
  switch (token.getKind()) {
    case TokenKind::char_constant: return language.CPlusPlus ? context_.CharTy : context_.IntTy;
    case TokenKind::wide_char_constant: return context_.WideCharTy;
    case TokenKind::utf8_char_constant: return language.Char8 ? context_.Char8Ty : context_.CharTy;
    case TokenKind::utf16_char_constant: return context_.Char16Ty;
    case TokenKind::utf32_char_constant: return context_.Char32Ty;
    default: break;
  }
  if (!clang::tok::isStringLiteral(token.getKind())) return std::nullopt;
  clang::StringLiteralParser string(llvm::ArrayRef<clang::Token>(token), sources_, language, context_.getTargetInfo(),
                                    &quiet_);
  if (string.hadError) return std::nullopt;
  clang::QualType element = context_.CharTy;
  if (string.isWide()) element = context_.WideCharTy;
  if (string.isUTF8() && language.Char8) element = context_.Char8Ty;
  if (string.isUTF16()) element = context_.Char16Ty;
  if (string.isUTF32()) element = context_.Char32Ty;
  const llvm::APInt length(32, string.GetNumStringChars() + 1);
  return context_.getConstantArrayType(element, length, nullptr, clang::ArrayType::Normal, 0);
}

}  // namespace scan
