// What writing a source's metric file decided that its error file has to
// agree with: where the includes, recursions and unused statics are.
#pragma once

#include <string>
#include <vector>

namespace genproject {

struct NamedLine {
  std::string name;
  int line = 0;
};

struct SourceFacts {
  std::string source;
  std::vector<NamedLine> includes;          // header file and the line of its include
  std::vector<NamedLine> recursiveCalls;    // calling function and the line of the call
  std::vector<NamedLine> unusedStatics;     // static function and the line of its definition
  std::vector<NamedLine> definitions;       // every function defined, with its line
  int lastLine = 0;
};

}  // namespace genproject
