// An entry of a message list that is only a place and a name: it stands for
// a diagnostic of `messageNumber` at line `line` of `file` (column 0, no
// include, macro or instantiation part) with one entity parameter naming
// `name`. Long lists of declarations and definitions are made of these, so
// that an entry costs no diagnostic, location or parameter of its own; the
// error file writes them as the bytes of that diagnostic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "util/Filename.h"
#include "util/Ref.h"

class M_Diagnostic;

struct M_ListedPlace {
  XF_Filename file;
  int line = 0;
  int messageNumber = 0;
  // Kept by the caller for as long as the list lives (an interned name,
  // whose size the writer then need not count).
  std::string_view name;
  // Entries of one identity are one diagnostic: like a diagnostic listed
  // twice, the error file defines its place once and afterwards names it.
  // Entries that share an identity agree in every other field.
  std::uint32_t identity = 0;
  // The entries in a row this one stands for: a header's declaration comes
  // once from every source that includes the header, and a list keeps such
  // a run as one entry. Readers see `repeats` entries.
  std::uint32_t repeats = 1;
};

// Appends `place` to `list`, lengthening the last entry's run when it has
// the same identity.
inline void M_appendPlace(std::vector<M_ListedPlace>& list, const M_ListedPlace& place) {
  if (!list.empty() && list.back().identity == place.identity)
    list.back().repeats += place.repeats;
  else
    list.push_back(place);
}

// A new identity, never handed out before in this run.
std::uint32_t M_newPlaceIdentity();

// The diagnostic that `place` stands for (a new one on every call).
U_Handle<M_Diagnostic> M_diagnosticOfPlace(const M_ListedPlace& place);
