// What a run of zum-genproject is asked to build, read from its command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace genproject {

enum class Flavour { C, Cpp };

struct Options {
  std::string outputDir;
  uint64_t seed = 1;
  int sources = 100;
  int headers = 40;           // shared headers of the project
  int includes = 15;          // shared headers each source includes
  int headerDecls = 30;       // top-level declarations per shared header
  int functions = 20;         // functions each source defines
  int objects = 8;            // file-scope objects each source defines
  int calls = 6;              // calls per function body
  int refs = 8;               // references per function body
  Flavour flavour = Flavour::C;
  double errorFraction = 0.2;  // sources whose error file carries diagnostics
  std::string listName = "sources.lst";
  std::string sourceDir = "src";
  // Directory the error files' absolute paths start from; empty: the
  // output directory, where zum is meant to run.
  std::string root;
  bool quiet = false;
  bool help = false;
};

// Throws std::invalid_argument with a one-line reason on a bad command line.
Options parseOptions(const std::vector<std::string>& args);

std::string helpText();

}  // namespace genproject
