// Literal constants of the sources ("<LIT>" records), each place once.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/FlatMap.h"
#include "util/Ref.h"
#include "util/StringStore.h"

enum P_LiteralSuffixBit : std::uint8_t {
  P_SuffixNone = 1,
  P_SuffixLong = 2,
  P_SuffixLongLong = 4,
  P_SuffixUnsigned = 8,
  P_SuffixFloating = 16,
};

enum P_LiteralSignBit : std::uint8_t {
  P_SignNone = 1,
  P_SignPositive = 2,
  P_SignNegative = 4,
};

enum P_LiteralPositionBit : std::uint8_t {
  P_PositionHeader = 2,
  P_PositionMainFile = 4,
};

enum P_LiteralKindBit : std::uint16_t {
  P_LiteralDecimal = 1,
  P_LiteralHex = 2,
  P_LiteralOctal = 4,
  P_LiteralCharacter = 8,
  P_LiteralString = 16,
  P_LiteralFloating = 32,
  P_LiteralBinary = 64,
  P_LiteralEscaped = 128,
  P_LiteralWide = 256,
};

enum class P_LiteralContext : std::uint8_t {
  Macro = 1,
  ArrayDimension = 2,
  Bitfield = 3,
  Enumerator = 4,
  ScalarInitialiser = 5,
  ArrayInitialiser = 6,
  StructInitialiser = 7,
  UnionInitialiser = 8,
  PreProcExpr = 9,
  CaseLabel = 10,
  Other = 11,
};

// The small fields sit together: one literal is kept per place of every
// source and header of the project.
struct P_LiteralFields {
  U_Identifier text;
  U_Identifier suffix;
  U_Filename file;
  U_Identifier type;
  int line = 0;
  int column = 0;
  std::uint16_t kindBits = 0;
  std::uint8_t suffixBits = 0;
  std::uint8_t signBits = 0;
  std::uint8_t positionBits = 0;
  std::uint8_t scope = 0;  // the values of P_Scope
  P_LiteralContext context = P_LiteralContext::Other;
};

class P_Literal final {
 public:
  explicit P_Literal(const P_LiteralFields& fields) : f_(fields) {}
  const P_LiteralFields& fields() const noexcept { return f_; }

 private:
  P_LiteralFields f_;
};

class P_LiteralStore {
 public:
  // Claims a place for a new literal: false when a literal at the same
  // file, line and column is kept already (a header read by several
  // sources), and then the literal is dropped.
  bool claimPlace(U_Filename file, int line, int column);
  // Keeps a literal whose place was claimed.
  void keep(const P_LiteralFields& fields);
  // By file (identity order), line and column.
  const std::vector<P_Literal*>& ordered();

 private:
  struct Place {
    const char* file = nullptr;
    std::uint64_t lineAndColumn = 0;
    friend bool operator==(const Place& a, const Place& b) noexcept {
      return a.file == b.file && a.lineAndColumn == b.lineAndColumn;
    }
  };
  struct PlaceHash {
    std::size_t operator()(const Place& p) const noexcept {
      return zum::mixPointerBits(reinterpret_cast<std::uintptr_t>(p.file) ^ (p.lineAndColumn * 0xC2B2AE3D27D4EB4Full));
    }
  };

  zum::ObjectPool<P_Literal> pool_;
  std::vector<P_Literal*> literals_;
  bool ordered_ = true;
  zum::FlatMap<Place, bool, PlaceHash> places_;
};

P_LiteralStore& P_literalStore();

// The suffix bits of a suffix text as written.
std::uint8_t P_literalSuffixBits(std::string_view suffix) noexcept;

// Registered for the tag "LIT".
void P_readLiteralRecord(std::string_view line);
