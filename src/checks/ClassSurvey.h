// The symbols that the end-of-run modules of C++ classes look at closer.
//
// A walk over all symbols touches each one's current define, a cache miss
// or two per symbol over millions of symbols. The checks and metrics of
// classes share what one walk found, made at the first request or as part
// of the walk the other checks share; each applies its own rules to it.
#pragma once

#include <cstddef>
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
  // The symbols whose current define is a class or struct.
  std::vector<PI_SymbolHandle> classSymbols;
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
  // How many symbols the survey looked at.
  std::size_t surveyed = 0;
};

// Called by the configure function of every module that reads the survey:
// the survey is then made in the walk over the symbols that the checks of
// checks/SymbolSweep.h share. Without it, the survey walks on its own.
void addClassSurvey();

const ClassSurvey& classSurvey();

}  // namespace zum
