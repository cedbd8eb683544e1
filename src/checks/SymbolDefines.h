// The defines of one symbol as the checks walk them, and the places
// (file and line) they stand at.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <unordered_set>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "util/Prefetch.h"

namespace zum {

// The defines of `symbol` in the model's order (that of
// PI_getSymbolFirstDefine).
inline std::span<const PI_DefineHandle> definesOf(PI_SymbolHandle symbol) { return P_getSymbolDefines(symbol); }

// Loads the define `distance` places ahead of `at`: the defines of a symbol
// lie one per source across the whole model, so walking them asks the
// memory for each in turn unless it is asked early.
inline void loadAhead(std::span<const PI_DefineHandle> defines, std::size_t at, std::size_t distance = 8) {
  if (at + distance < defines.size()) prefetch(defines[at + distance]);
}

// Loads ahead, for a walk over symbols that lie anywhere in the model (a
// set of them in symbol order), what the walk reads of each: the symbol
// sixteen places ahead of `at`, its list of defines at eight, its current
// define and first defines at four, and that define's shape at two. Each
// step reads only what the step before asked for.
inline void loadSymbolsAhead(std::span<const PI_SymbolHandle> symbols, std::size_t at) {
  const std::size_t size = symbols.size();
  if (at + 16 < size) prefetch(symbols[at + 16]);
  if (at + 8 < size) P_prefetchSymbolDefines(symbols[at + 8]);
  if (at + 4 < size) {
    const std::span<const PI_DefineHandle> defines = definesOf(symbols[at + 4]);
    for (std::size_t i = 0; i < defines.size() && i < 8; ++i) prefetch(defines[i]);
    prefetch(PI_getSymbolCurrentDefine(symbols[at + 4]));
  }
  if (at + 2 < size) P_prefetchDefineShape(PI_getSymbolCurrentDefine(symbols[at + 2]));
}

// Where a define stands. File names are interned, so one file is one
// pointer.
struct DefinePlace {
  const char* file;
  int line;

  static DefinePlace of(PI_DefineHandle define) { return {PI_getDefineFilename(define), PI_getDefineLine(define)}; }
  bool operator==(const DefinePlace&) const = default;
};

struct DefinePlaceHash {
  std::size_t operator()(const DefinePlace& place) const noexcept {
    return std::hash<const char*>()(place.file) * 31 + static_cast<std::size_t>(place.line);
  }
};

// The places met so far; a header's define comes back at its one place in
// every source that includes the header.
class PlaceSet {
 public:
  // True when the define's place was not met before.
  bool insert(PI_DefineHandle define) { return places_.insert(DefinePlace::of(define)).second; }

 private:
  std::unordered_set<DefinePlace, DefinePlaceHash> places_;
};

}  // namespace zum
