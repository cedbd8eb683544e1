// The symbol iterator.
#include <array>
#include <span>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/impl/IteratorContainers.h"
#include "util/Assert.h"

namespace {
constexpr const char* kUnit = "anlsrslt/model/metrics/P_SymbolIter";
}

void P_forEachSymbol(void (*visit)(std::span<const P_SweptSymbol> symbols, void* context), void* context) {
  // The symbols lie in order, their defines, shapes and names do not: a
  // define is asked for three steps ahead, its shape two and its name one,
  // so that the misses overlap. A batch is small enough that what was
  // fetched for its first symbol is still near when it is handed on.
  constexpr std::size_t kStep = 8;
  constexpr std::size_t kBatch = 64;
  const auto& symbols = P_symbolTable().symbols();
  const std::size_t count = symbols.size();
  std::array<P_SweptSymbol, kBatch> batch;
  std::size_t batched = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (i + 3 * kStep < count) __builtin_prefetch(symbols[i + 3 * kStep]->currentOrDefinition());
    if (i + 2 * kStep < count) __builtin_prefetch(&symbols[i + 2 * kStep]->currentOrDefinition()->shape());
    if (i + kStep < count) __builtin_prefetch(symbols[i + kStep]->currentOrDefinition()->qualName().c_str() - 8);
    P_Symbol* symbol = symbols[i];
    U_require(symbol->isSane(), kUnit, __LINE__, "pos->isSet () && \"Unset DefinePtr in container.\"");
    batch[batched++] = {symbol, symbol->currentOrDefinition()};
    if (batched == kBatch) {
      visit(std::span<const P_SweptSymbol>(batch.data(), batched), context);
      batched = 0;
    }
  }
  if (batched > 0) visit(std::span<const P_SweptSymbol>(batch.data(), batched), context);
}

extern "C" {

int PI_getFirstSymbol() { return zum::iterateAll(zum::iteratorContainers().symbols, P_symbolTable().symbols()); }

PI_SymbolHandle PI_getSymbolIterData(int iterator) {
  const auto* position = zum::iteratorContainers().symbols.position(iterator);
  if (!position) return nullptr;
  P_Symbol* symbol = position->element();
  U_require(symbol != nullptr, kUnit, __LINE__, "0 != pos->pointer () && \"DefinePtr is Null pointer in container.\"");
  U_require(symbol->isSane(), kUnit, __LINE__, "pos->isSet () && \"Unset DefinePtr in container.\"");
  return symbol;
}

bool PI_getSymbolIterNext(int iterator) { return zum::iteratorContainers().symbols.next(iterator); }
bool PI_isSymbolIterEnd(int iterator) { return zum::iteratorContainers().symbols.isEnd(iterator); }

}  // extern "C"
