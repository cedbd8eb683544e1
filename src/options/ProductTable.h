// The products of the family: the word that selects one on the command
// line, its bit, the environment variables it reads and its file tag.
#pragma once

#include <string_view>

#include "util/String.h"

namespace zum {

struct ProductRow {
  const char* word;  // null in the end row
  int bit;
  const char* compilerDirectoryVariable;
  const char* outputDirectoryVariable;
  const char* temporaryDirectoryVariable;
  const char* tag;  // lower case; names the configuration and defaults files
};

inline constexpr int kProductCount = 4;
inline constexpr int kProductZek = 1;
inline constexpr int kProductZekpp = 2;
inline constexpr int kProductKoj = 4;
inline constexpr int kProductKod = 16;

// Searched in this order; an empty row ends it.
extern const ProductRow ProductTable[kProductCount + 1];

// A product word as typed, possibly a path to the analyser's program:
// "c:\tools\zek.exe" gives "zek".
U_String normaliseProductWord(std::string_view word);

// The row of a normalised word, "+" read as "P" and letter case ignored
// ("ZEK++" is ZEKPP); -1 when no product has that word.
int findProduct(std::string_view normalisedWord);

}  // namespace zum

// The product of the run: the row index (-1 before one is known) and its bit
// (0 then). Later code tests the bits: C_runProductBits() & zum::kProductZekpp.
int C_runProductIndex();
int C_runProductBits();
void C_setRunProductIndex(int index);
