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
