// The iterator containers of the run, one per iterable kind.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "anlsrslt/model/ControlGraph.h"
#include "anlsrslt/model/impl/IterCont.h"
#include "anlsrslt/model/impl/ObjectPool.h"
#include "anlsrslt/model/impl/SmallPtrVector.h"
#include "util/ProcessState.h"

class P_Symbol;
class P_Define;
class P_Relation;
class P_RelationInclude;
class P_ExternVar;
class P_Literal;

namespace zum {

// Defines come from a symbol's own list or from a redeclaration list.
struct DefineCursor {
  const SmallPtrVector<P_Define>* symbolDefines = nullptr;
  const std::vector<P_Define*>* list = nullptr;
  std::size_t index = 0;

  P_Define* element() const { return symbolDefines ? (*symbolDefines)[static_cast<std::uint32_t>(index)] : (*list)[index]; }
  DefineCursor& operator++() noexcept {
    ++index;
    return *this;
  }
  friend bool operator==(const DefineCursor& a, const DefineCursor& b) noexcept {
    return a.index == b.index && a.symbolDefines == b.symbolDefines && a.list == b.list;
  }
};

struct IteratorContainers {
  IterCont<IndexCursor<ObjectPool<P_Symbol>>> symbols;
  IterCont<DefineCursor> defines;
  IterCont<IndexCursor<std::vector<P_Define*>>> derivedDefines;
  IterCont<IndexCursor<std::vector<P_Relation*>>> relations;  // all six kinds
  IterCont<IndexCursor<std::vector<P_RelationInclude*>>> includes;
  IterCont<IndexCursor<std::vector<P_ExternVar*>>> externVars;
  IterCont<IndexCursor<std::vector<int>>> graphLines;
  IterCont<IndexCursor<std::vector<P_ControlGraphEdge>>> graphEdges;
  IterCont<IndexCursor<std::vector<P_Literal*>>> literals;
  IterCont<IndexCursor<std::vector<const char*>>> options;  // module option values
};

// Inline: every ...IterData, ...IterNext and ...IterEnd call starts here,
// millions of times when a check walks all symbols.
inline IteratorContainers& iteratorContainers() { return ProcessState::get<IteratorContainers>(); }

// first() over a whole indexable collection.
template <class Collection>
int iterateAll(IterCont<IndexCursor<Collection>>& container, const Collection& collection) {
  return container.first(IndexCursor<Collection>{&collection, 0},
                         IndexCursor<Collection>{&collection, collection.size()});
}

// The element at the iterator's position, or `none` at the end.
template <class Cursor, class T>
T elementOr(const IterCont<Cursor>& container, int key, T none) {
  const Cursor* position = container.position(key);
  return position ? position->element() : none;
}

}  // namespace zum
