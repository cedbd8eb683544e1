// The option names each product accepts: long and short names, lower case,
// sorted byte-wise, several names leading to one option.
#pragma once

#include <span>
#include <string_view>

class C_Options;
class C_OptionBase;

struct C_OptionName {
  std::string_view name;
  C_OptionBase& (*option)(C_Options&);
};

// The table of the product at `productIndex` (a row of zum::ProductTable);
// empty for an index that names no product.
std::span<const C_OptionName> C_optionNames(int productIndex);
