// The message table of the run: the installation's message file, then the
// user's message file over it.
//
// The installation's file, "zum.msg", is looked for in the compiler
// directory (where the product's configuration file lies), then in the
// program's own directory (where the installation puts it, and where the
// build leaves it). The user's file is the option "usrfile", in the
// directory of "usrpath" (default: the compiler directory) unless it is an
// absolute name. Where the run's input encoding has a language variant
// (".jp.euc", ".jp.sj", ...), the variant of each file is read when it
// exists.
//
// The table is loaded at its first use and kept; it is loaded afresh when
// the option "standard" differs from its value at the last loading.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "messages/MessageTable.h"
#include "util/String.h"

inline constexpr std::string_view kInstalledMessageFileName = "zum.msg";

// What the run's options say about message files: read in this one place.
struct M_MessageFileSettings {
  bool standard = false;
  U_String userFile;           // "usrfile"; empty when not given
  U_String userPath;           // "usrpath"
  U_String compilerDirectory;  // empty when unknown
};
M_MessageFileSettings M_readMessageFileSettings();

// The directories searched for the installation's message file, in order.
std::vector<U_String> M_installedMessageDirectories(const M_MessageFileSettings& settings);

// Loads both files as the settings say; a missing installation file and a
// missing user file are reported on `warnings`, and loading goes on.
M_MessageTable M_loadMessageTable(const M_MessageFileSettings& settings, int inputEncoding, std::ostream& warnings);

// The run's table (warnings to standard error).
const M_MessageTable& M_messageTable();
