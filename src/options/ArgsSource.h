// Where arguments come from: the command line or a file of words.
#pragma once

#include <vector>

#include "options/TextFile.h"
#include "options/ViaTokenizer.h"
#include "util/Ref.h"

class C_ArgsSource : public U_Ref {
 public:
  // The next argument; "" when the source is exhausted. An empty argument
  // therefore ends its source.
  virtual U_String next() = 0;
};

class C_ArgvSource final : public C_ArgsSource {
 public:
  explicit C_ArgvSource(std::vector<U_String> arguments) : arguments_(std::move(arguments)) {}
  U_String next() override;

 private:
  std::vector<U_String> arguments_;
  std::size_t position_ = 0;
};

// The words of a text file written in the input encoding, delivered in the
// internal encoding.
class C_FileSource final : public C_ArgsSource {
 public:
  // Empty when `path` is not a readable regular file. A file that needs
  // translation is read through a copy in `temporaryDirectory`.
  C_FileSource(const U_String& path, const U_String& temporaryDirectory);
  // Reads on from where `file` stands (the configuration file `name` after
  // its options header, at `firstLine`), already in the internal encoding.
  C_FileSource(zum::File file, const U_String& name, int firstLine);

  U_String next() override;

 private:
  zum::File file_;
  zum::ViaTokenizer words_;
};

// True when `path` can be read as a file of words.
bool C_isReadableFile(const U_String& path);
