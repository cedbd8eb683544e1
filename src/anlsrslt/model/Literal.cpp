#include "anlsrslt/model/Literal.h"

#include <algorithm>
#include <string>

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadContext.h"
#include "util/Assert.h"
#include "util/ProcessState.h"

P_LiteralStore& P_literalStore() { return zum::ProcessState::get<P_LiteralStore>(); }

bool P_LiteralStore::claimPlace(U_Filename file, int line, int column) {
  Place place{file.pointer(), (static_cast<std::uint64_t>(static_cast<std::uint32_t>(line)) << 32) |
                                  static_cast<std::uint32_t>(column)};
  return places_.tryEmplace(place).second;
}

void P_LiteralStore::keep(const P_LiteralFields& fields) {
  literals_.push_back(pool_.make(fields));
  ordered_ = false;
}

const std::vector<P_Literal*>& P_LiteralStore::ordered() {
  if (!ordered_) {
    std::sort(literals_.begin(), literals_.end(), [](const P_Literal* a, const P_Literal* b) {
      const P_LiteralFields& x = a->fields();
      const P_LiteralFields& y = b->fields();
      if (x.file != y.file) return x.file < y.file;
      if (x.line != y.line) return x.line < y.line;
      return x.column < y.column;
    });
    ordered_ = true;
  }
  return literals_;
}

std::uint8_t P_literalSuffixBits(std::string_view suffix) noexcept {
  if (suffix == "-") return P_SuffixNone;
  std::string lower(suffix);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  std::uint8_t bits = 0;
  if (lower.find('u') != std::string::npos) bits |= P_SuffixUnsigned;
  if (lower.find("ll") != std::string::npos) {
    bits |= P_SuffixLongLong;
  } else if (lower.find('l') != std::string::npos) {
    bits |= P_SuffixLong;
  } else if (lower.find('f') != std::string::npos) {
    bits |= P_SuffixFloating;
  } else if (lower.find("i64") != std::string::npos) {
    bits |= P_SuffixLongLong;
  }
  return bits;
}

namespace {

// The literal as written: an optional "L", then either a quoted text that
// runs to the next unescaped matching quote (blanks included, quotes kept)
// or a run of non-blank characters.
std::string_view literalText(zum::FieldScanner& scan) {
  scan.skipBlanks();
  std::string_view rest = scan.rest();
  std::size_t prefix = !rest.empty() && rest[0] == 'L' ? 1 : 0;
  if (rest.size() > prefix && (rest[prefix] == '"' || rest[prefix] == '\'')) {
    std::string_view text = rest.substr(0, prefix + zum::quotedPrefix(rest.substr(prefix), rest[prefix]).size());
    scan.advance(text.size());
    return text;
  }
  return scan.token();
}

std::uint8_t signBits(char sign) noexcept {
  if (sign == '-') return P_SignNone;
  if (sign == 'N') return P_SignNegative;
  return P_SignPositive;
}

std::uint16_t kindBits(std::string_view code) noexcept {
  std::uint16_t bits = 0;
  switch (code[0]) {
    case 'D': bits = P_LiteralDecimal; break;
    case 'H': bits = P_LiteralHex; break;
    case 'O': bits = P_LiteralOctal; break;
    case 'C': bits = P_LiteralCharacter; break;
    case 'S': bits = P_LiteralString; break;
    case 'F': bits = P_LiteralFloating; break;
    case 'B': bits = P_LiteralBinary; break;
    default: break;
  }
  if (code[1] == 'E') bits |= P_LiteralEscaped;
  if (code[1] == 'W') bits |= P_LiteralWide;
  return bits;
}

P_LiteralContext contextOf(char letter) noexcept {
  switch (letter) {
    case 'M': return P_LiteralContext::Macro;
    case 'D': return P_LiteralContext::ArrayDimension;
    case 'B': return P_LiteralContext::Bitfield;
    case 'E': return P_LiteralContext::Enumerator;
    case 'O': return P_LiteralContext::ScalarInitialiser;
    case 'A': return P_LiteralContext::ArrayInitialiser;
    case 'S': return P_LiteralContext::StructInitialiser;
    case 'U': return P_LiteralContext::UnionInitialiser;
    case 'P': return P_LiteralContext::PreProcExpr;
    case 'C': return P_LiteralContext::CaseLabel;
    default: return P_LiteralContext::Other;
  }
}

}  // namespace

void P_readLiteralRecord(std::string_view line) {
  zum::FieldScanner scan(line);
  std::string_view recordTag = scan.token();
  U_require(recordTag == "<LIT>", "LiteralRecord", __LINE__, "recordTag == \"<LIT>\"");

  std::string_view text = literalText(scan);
  std::string_view suffix = scan.token();
  char sign = 0;
  if (text.empty() || suffix.empty() || !scan.character(sign)) return;
  std::string_view file = scan.fileName();
  int lineNumber = 0;
  int column = 0;
  char position = 0;
  if (file.empty() || !scan.integer(lineNumber) || !scan.integer(column) || !scan.character(position)) return;
  std::string_view litType = scan.token();
  std::string_view type = scan.token();
  char scope = 0;
  char context = 0;
  if (litType.empty() || type.empty() || !scan.character(scope) || !scan.character(context)) return;
  U_require(litType.size() == 2, "LiteralRecord", __LINE__, "litType.size () == 2");

  P_LiteralStore& store = P_literalStore();
  P_LiteralFields fields;
  fields.file = P_internFileField(file);
  fields.line = lineNumber;
  fields.column = column;
  if (!store.claimPlace(fields.file, lineNumber, column)) return;
  fields.text = U_Identifier(text);
  fields.suffix = U_Identifier::fromStored(P_internShortField(suffix));
  fields.suffixBits = P_literalSuffixBits(suffix);
  fields.signBits = signBits(sign);
  fields.positionBits = position == 'I' ? P_PositionHeader : P_PositionMainFile;
  fields.kindBits = kindBits(litType);
  fields.type = U_Identifier::fromStored(P_internShortField(type));
  fields.scope = static_cast<std::uint8_t>(zum::scopeFromLetter(scope));
  fields.context = contextOf(context);
  store.keep(fields);
}
