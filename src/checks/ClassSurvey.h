// The symbols that the end-of-run modules of C++ classes look at closer.
//
// A walk over all symbols touches each one's current define, a cache miss
// or two per symbol over millions of symbols. The checks and metrics of
// classes share one walk, made at the first request; each applies its own
// rules to what it found.
#pragma once

#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "checks/SymbolWalk.h"
#include "util/FlatMap.h"

namespace zum {

// Everything in symbol order.
struct ClassSurvey {
  // The qualified names of the symbols whose current define is a class or
  // struct.
  FlatMap<const char*, bool> classNames;
  // Definitions of functions that are not implicit (compiler-made).
  std::vector<SymbolDefine> functionDefinitions;
  // Functions whose qualified name holds "@" or "::new": constructors,
  // the implicit copy functions, allocation functions.
  std::vector<SymbolDefine> specialFunctions;
  // The types of member variables, each once.
  FlatMap<const char*, bool> memberTypes;
  // The symbols that have a definition (their current define is one).
  std::vector<PI_SymbolHandle> definedSymbols;
  // The defined tags (classes, structs, unions, enums) by qualified name:
  // the definition of the last symbol of that name.
  FlatMap<const char*, PI_DefineHandle> tagDefinitions;
};

const ClassSurvey& classSurvey();

}  // namespace zum
