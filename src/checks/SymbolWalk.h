// Walks over the model's symbols and defines for the end-of-run tables of
// the C++ checks and metrics.
//
// A symbol's current define, and the shape that holds the define's name,
// kind and type, lie anywhere in memory: over millions of symbols each
// query would wait on a cache miss or two. These walks hand out symbols
// and defines in batches whose memory was fetched ahead, so the misses of
// a batch overlap. What they hand out is what the plug-in interface gives
// (PI_getFirstSymbol, PI_getSymbolCurrentDefine, PI_getSymbolFirstDefine,
// the relation iterators), in the same order.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"

namespace zum {

struct SymbolDefine {
  PI_SymbolHandle symbol;
  PI_DefineHandle define;  // the symbol's current define
};

// Calls `visit(symbol, currentDefine)` for every symbol, in creation
// order.
template <class Visit>
void forEachSymbol(Visit visit);

// Calls `visit(define)` for every define of each of `symbols`, in order.
template <class Visit>
void forEachDefineOf(const std::vector<PI_SymbolHandle>& symbols, Visit visit);

// Calls `visit(relation)` for every relation of one kind, in the order of
// its iterator, fetching relations ahead:
// forEachRelation(P_RelationList::Refers, visit).
template <class Visit>
void forEachRelation(P_RelationList list, Visit visit);

namespace walk {
constexpr std::size_t kBatch = 64;
std::size_t symbolCount();
// The symbols [first, first + count) with their current defines, fetched.
void loadSymbols(std::size_t first, std::size_t count, std::vector<SymbolDefine>& out);
// The defines of `symbols`, fetched.
void loadDefines(const PI_SymbolHandle* symbols, std::size_t count, std::vector<PI_DefineHandle>& out);
// Fetches the relations' memory.
void fetchRelations(std::span<const PI_RelationHandle> relations);
}  // namespace walk

template <class Visit>
void forEachSymbol(Visit visit) {
  std::vector<SymbolDefine> batch;
  const std::size_t count = walk::symbolCount();
  for (std::size_t first = 0; first < count; first += walk::kBatch) {
    walk::loadSymbols(first, std::min(walk::kBatch, count - first), batch);
    for (const SymbolDefine& entry : batch) visit(entry.symbol, entry.define);
  }
}

template <class Visit>
void forEachDefineOf(const std::vector<PI_SymbolHandle>& symbols, Visit visit) {
  std::vector<PI_DefineHandle> batch;
  for (std::size_t first = 0; first < symbols.size(); first += walk::kBatch) {
    walk::loadDefines(symbols.data() + first, std::min(walk::kBatch, symbols.size() - first), batch);
    for (PI_DefineHandle define : batch) visit(define);
  }
}

template <class Visit>
void forEachRelation(P_RelationList list, Visit visit) {
  const std::span<const PI_RelationHandle> relations = P_getRelations(list);
  for (std::size_t first = 0; first < relations.size(); first += walk::kBatch) {
    const std::span<const PI_RelationHandle> batch =
        relations.subspan(first, std::min(walk::kBatch, relations.size() - first));
    walk::fetchRelations(batch);
    for (PI_RelationHandle relation : batch) visit(relation);
  }
}

}  // namespace zum
