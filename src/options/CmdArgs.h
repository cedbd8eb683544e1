// The command line of a run: the product it selects, its raw arguments and
// the options that all argument sources together give.
#pragma once

#include <vector>

#include "options/ConfigFile.h"
#include "options/Options.h"
#include "util/Ref.h"
#include "util/String.h"

namespace zum {
struct ProductRow;
}
class C_OrphanHandler;

class C_CmdArgs : public U_Ref {
 public:
  // `product` is the normalised product word; the arguments follow it.
  C_CmdArgs(std::string_view product, int argumentCount, const char* const* arguments);
  C_CmdArgs(std::string_view product, std::vector<U_String> arguments);
  // A copy with options of its own (values, defaults and given flags).
  C_CmdArgs(const C_CmdArgs& other);
  C_CmdArgs& operator=(const C_CmdArgs&) = delete;

  // Reads every argument source: the configuration file's options section,
  // then the defaults file, then the command line, each via file where it
  // is named. Non-options go to `orphans`. Runs once; later calls do nothing.
  void parse(C_OrphanHandler& orphans);

  const std::vector<U_String>& arguments() const noexcept { return arguments_; }
  const U_String& product() const noexcept { return product_; }
  int productIndex() const noexcept { return productIndex_; }
  bool isValidProduct() const noexcept { return productIndex_ >= 0; }
  // Only for a valid product.
  const zum::ProductRow& productRow() const;
  C_Options& options();
  const C_Options& options() const;
  bool parsed() const noexcept { return parsed_; }
  bool parseCompleted() const noexcept { return parseCompleted_; }
  const C_ConfigFile& configuration() const noexcept { return configuration_; }

  // The copy published for the run (null before). The layers below the
  // driver read their settings from C_runSettings() instead.
  static const U_Handle<C_CmdArgs>& published();
  static void publish(U_Handle<C_CmdArgs> cmdArgs);

 private:
  std::vector<U_String> arguments_;
  U_String product_;
  int productIndex_ = -1;
  U_Handle<C_Options> options_;
  C_ConfigFile configuration_;
  bool parseCompleted_ = false;
  bool parsed_ = false;
};

// The product's compiler directory: its compiler-directory variable with
// "\" turned into "/"; "" when unset.
U_String C_compilerDirectory(const zum::ProductRow& product);
