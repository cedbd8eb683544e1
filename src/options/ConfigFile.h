// The product's configuration file "<tag>.cfg" in the compiler directory:
// sections of settings for the per-file analyser, which this program keeps
// without using, and a final "options" section whose rest is an argument
// source.
#pragma once

#include <iosfwd>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include "options/TextFile.h"
#include "util/String.h"

enum class C_ConfigFieldKind { String, Integer, Options };

// A section: its name and how many lines of one kind follow its header.
struct C_ConfigSectionLayout {
  std::string_view name;
  C_ConfigFieldKind kind;
  int lines;
};

// The sections of the product at `productIndex`, in file order.
std::span<const C_ConfigSectionLayout> C_configSections(int productIndex);

struct C_ConfigFile {
  // Section name -> its field lines as stored (strings substituted and
  // unescaped, integers as read by "%d" in decimal text).
  std::map<U_String, std::vector<U_String>> strings;
  std::map<U_String, std::vector<int>> integers;
  // Positioned after the options header; null when the file has none.
  zum::File options;
  // The file's path, and the line after the options header.
  U_String path;
  int optionsLine = 0;
};

// Reads "<tag>.cfg" in `compilerDirectory` (translated through a copy in
// `temporaryDirectory` when the input encoding asks for it). A missing file
// is reported on `errors`; unknown sections, surplus lines and bad variable
// references on `messages`.
C_ConfigFile C_readConfigFile(const U_String& compilerDirectory, int productIndex, const U_String& temporaryDirectory,
                              std::ostream& messages, std::ostream& errors);
