// A yes-or-no answer per name, for walks over all symbols that ask the
// same question about the same names again and again: the parameters and
// members of a header's declarations are symbols of every source that
// includes it, all named by one interned text.
//
// Direct-mapped by the name's interning serial; a slot taken by another
// name only means asking again.
#pragma once

#include <cstddef>
#include <vector>

#include "util/StringStore.h"

namespace zum {

class NameVerdicts {
 public:
  // The verdict on `name`, an interned text or "", from `ask()` the first
  // time and whenever its slot was taken since.
  template <class Ask>
  bool get(const char* name, Ask&& ask) {
    if (*name == '\0') return ask();  // "" may be a literal, without a header
    Slot& slot = slots_[intern::header(name).serial & (kSlots - 1)];
    if (slot.name != name) {
      slot.name = name;
      slot.verdict = ask();
    }
    return slot.verdict;
  }

 private:
  static constexpr std::size_t kSlots = std::size_t{1} << 15;
  struct Slot {
    const char* name = nullptr;
    bool verdict = false;
  };
  std::vector<Slot> slots_ = std::vector<Slot>(kSlots);
};

}  // namespace zum
