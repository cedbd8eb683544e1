// The words of a via file, list file, defaults file or the options part of
// the configuration file.
//
// Lines come from TextLineReader (1023-byte pieces, backslash-newline joins).
// A line starting with "*" is a comment. Environment variables are
// substituted line by line. White space separates words; a double or single
// quote opens a part that keeps white space and ends at the same quote or
// at the end of the line, the word going on after it. Backslashes are
// ordinary characters.
#pragma once

#include <cstdio>
#include <iosfwd>

#include "options/TextFile.h"

namespace zum {

class ViaTokenizer {
 public:
  // `messages` receives the badly-formed-reference reports; `name` and
  // `firstLine` say where the text comes from, for the messages about it.
  ViaTokenizer(std::FILE* file, std::ostream& messages, U_String name = "", int firstLine = 1);

  // False at the end of the file. A word may be empty ("" in the file).
  bool next(U_String& word);

 private:
  static constexpr int kEnd = -1;
  int get();

  TextLineReader lines_;
  std::ostream& messages_;
  U_String line_;
  std::size_t position_ = 0;
  bool atEnd_ = false;
};

}  // namespace zum
