// One source's own code. Its module header declares what the source
// defines and is included by the source and by the next one, which is how
// calls, references, allocations and base classes cross files; the statics
// are seen by the source alone.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "Entities.h"
#include "Header.h"
#include "Options.h"

namespace genproject {

struct Module {
  int index = 0;
  std::string stem;                     // "frame_parser17"
  std::string source;                   // "src/frame_parser17.c"
  HeaderModel header;                   // "src/frame_parser17.h", rendered
  std::vector<Function> functions;      // external free functions, declared in the header
  std::vector<Aggregate> classes;       // C++ classes of the header; the source defines their methods
  std::vector<Object> objects;          // external objects, declared in the header
  std::vector<Function> statics;        // internal functions, declared at the top of the source
  std::vector<Object> staticObjects;
};

// The base name of source `index`, cheap enough to call for the list file.
std::string sourceStem(const Options& options, int index);
std::string sourceName(const Options& options, int index);

// `core` are the headers every source includes before its module headers.
Module buildModule(const Options& options, int index, std::span<const HeaderModel> core);

}  // namespace genproject
