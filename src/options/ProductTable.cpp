#include "options/ProductTable.h"

#include "util/Path.h"
#include "util/ProcessState.h"

namespace zum {

const ProductRow ProductTable[kProductCount + 1] = {
    {"ZEKPP", kProductZekpp, "ZEKPPBIN", "ZEKPPOUTPATH", "ZEKPPTEMPFILES", "zekpp"},
    {"ZEK", kProductZek, "ZEKBIN", "ZEKOUTPATH", "ZEKTEMPFILES", "zek"},
    {"KOD", kProductKod, "KODBIN", "KODOUTPATH", "KODTEMPFILES", "kod"},
    {"KOJ", kProductKoj, "KOJBIN", "KOJOUTPATH", "KOJTEMPFILES", "koj"},
    {nullptr, 0, nullptr, nullptr, nullptr, nullptr},
};

U_String normaliseProductWord(std::string_view word) {
  return U_Path::stripExtension(U_Path::baseName(U_Path::toSlashes(word)));
}

int findProduct(std::string_view normalisedWord) {
  U_String word(normalisedWord.substr(0, 9));
  for (char& c : word) {
    if (c == '+') c = 'P';
  }
  for (int i = 0; ProductTable[i].word; ++i) {
    if (U_Path::equalIgnoreCase(ProductTable[i].word, word)) return i;
  }
  return -1;
}

}  // namespace zum

namespace {

struct RunProduct {
  int index = -1;
};

}  // namespace

int C_runProductIndex() { return zum::ProcessState::get<RunProduct>().index; }

int C_runProductBits() {
  const int index = C_runProductIndex();
  return index >= 0 && index < zum::kProductCount ? zum::ProductTable[index].bit : 0;
}

void C_setRunProductIndex(int index) { zum::ProcessState::get<RunProduct>().index = index; }
