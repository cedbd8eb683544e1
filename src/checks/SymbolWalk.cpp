#include "checks/SymbolWalk.h"

// With checks/SymbolOrder.cpp, the places where checks look past the
// plug-in interface: only to fetch memory, never to decide anything.
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/SymbolTable.h"

namespace zum::walk {

namespace {

void fetch(const void* address) { __builtin_prefetch(address); }

// The defines have been fetched; their shapes are fetched now.
void fetchShapes(const std::vector<PI_DefineHandle>& defines) {
  for (PI_DefineHandle define : defines) fetch(&define->shape());
}

}  // namespace

std::size_t symbolCount() { return P_symbolTable().symbols().size(); }

void loadSymbols(std::size_t first, std::size_t count, std::vector<SymbolDefine>& out) {
  const auto& symbols = P_symbolTable().symbols();
  out.clear();
  for (std::size_t i = first; i < first + count; ++i) fetch(symbols[i]->defines().begin());
  for (std::size_t i = first; i < first + count; ++i) {
    P_Symbol* symbol = symbols[i];
    P_Define* define = symbol->currentOrDefinition();
    fetch(define);
    out.push_back({symbol, define});
  }
  for (const SymbolDefine& entry : out) fetch(&entry.define->shape());
}

void loadDefines(const PI_SymbolHandle* symbols, std::size_t count, std::vector<PI_DefineHandle>& out) {
  out.clear();
  for (std::size_t i = 0; i < count; ++i) fetch(symbols[i]->defines().begin());
  for (std::size_t i = 0; i < count; ++i)
    for (P_Define* define : symbols[i]->defines()) {
      fetch(define);
      out.push_back(define);
    }
  fetchShapes(out);
}

void fetchRelations(std::span<const PI_RelationHandle> relations) {
  for (PI_RelationHandle relation : relations) fetch(relation);
}

}  // namespace zum::walk
