// What the initialisation-order check asks about symbols and defines again
// and again: a symbol's definition, whether it is a global object, whether
// an object is of class type. Each symbol is looked at once per run.
#pragma once

#include "anlsrslt/include/PI_Interface.h"
#include "util/FlatMap.h"

namespace zum {

class InitialisationFacts {
 public:
  // The first of the symbol's defines that is a definition, in the order
  // of its define iterator; null when it has none.
  PI_DefineHandle definition(PI_SymbolHandle symbol) { return factsOf(symbol).definition; }

  // A global object: the symbol's current define has an empty scope text
  // (file scope, outside every class and namespace).
  bool isGlobal(PI_SymbolHandle symbol) { return factsOf(symbol).global; }

  // An object whose type text names a defined tag ("{kName}") that is a
  // class, a struct that is not POD, or an aggregate.
  static bool isClassTyped(PI_DefineHandle object);

 private:
  struct Facts {
    PI_DefineHandle definition = nullptr;
    bool global = false;
  };
  const Facts& factsOf(PI_SymbolHandle symbol);

  FlatMap<PI_SymbolHandle, Facts> facts_;
};

}  // namespace zum
