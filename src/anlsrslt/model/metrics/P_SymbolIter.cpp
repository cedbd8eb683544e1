// The symbol iterator.
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"
#include "anlsrslt/model/impl/IteratorContainers.h"
#include "util/Assert.h"

namespace {
constexpr const char* kUnit = "anlsrslt/model/metrics/P_SymbolIter";
}

void P_forEachSymbol(void (*visit)(PI_SymbolHandle symbol, PI_DefineHandle current, void* context),
                     void (*ahead)(PI_DefineHandle upcoming, void* context), void* context) {
  // The symbols lie in order, their defines and shapes do not: a define is
  // asked for three steps ahead, its shape two, and the caller's own reads
  // one, so that the misses overlap.
  constexpr std::size_t kStep = 8;
  const auto& symbols = P_symbolTable().symbols();
  const std::size_t count = symbols.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i + 3 * kStep < count) __builtin_prefetch(symbols[i + 3 * kStep]->currentOrDefinition());
    if (i + 2 * kStep < count) __builtin_prefetch(&symbols[i + 2 * kStep]->currentOrDefinition()->shape());
    if (ahead && i + kStep < count) ahead(symbols[i + kStep]->currentOrDefinition(), context);
    P_Symbol* symbol = symbols[i];
    U_require(symbol->isSane(), kUnit, __LINE__, "pos->isSet () && \"Unset DefinePtr in container.\"");
    visit(symbol, symbol->currentOrDefinition(), context);
  }
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
