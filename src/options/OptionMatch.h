// How an argument names an option: the longest name of the product's table
// that starts the argument, letter case ignored.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "options/OptionNames.h"
#include "util/String.h"

class C_ArgStream;

struct C_OptionMatch {
  C_OptionBase* option = nullptr;  // null: no name matched
  std::size_t length = 0;          // of the matched name
};

// `text` is the argument without its leading "-".
C_OptionMatch matchOption(std::string_view text, std::span<const C_OptionName> table, C_Options& options);

// Reads the value of option `optionName` as the next argument of `stream`;
// one leading "=" is dropped, so "-t=4", "-t4" and "-t 4" agree.
// Throws C_ValueExpectedException when the stream is exhausted.
U_String readOptionValue(std::string_view optionName, C_ArgStream& stream);
