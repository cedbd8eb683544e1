#include "options/CmdArgs.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "options/ArgumentLoop.h"
#include "options/EnvironmentPaths.h"
#include "options/ProductTable.h"
#include "options/SourceStackStream.h"
#include "options/TextTranslation.h"
#include "util/Assert.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct PublishedCmdArgs {
  U_Handle<C_CmdArgs> cmdArgs;
};

// Sets the run's product for the time the arguments are read, so that
// what options do on the way sees it, and restores the earlier one.
class RunProductScope {
 public:
  explicit RunProductScope(int index) : saved_(C_runProductIndex()) { C_setRunProductIndex(index); }
  ~RunProductScope() { C_setRunProductIndex(saved_); }
  RunProductScope(const RunProductScope&) = delete;
  RunProductScope& operator=(const RunProductScope&) = delete;

 private:
  int saved_;
};

}  // namespace

U_String C_compilerDirectory(const zum::ProductRow& product) {
  const char* value = std::getenv(product.compilerDirectoryVariable);
  return value ? U_Path::toSlashes(value) : U_String();
}

C_CmdArgs::C_CmdArgs(std::string_view product, int argumentCount, const char* const* arguments)
    : C_CmdArgs(product, std::vector<U_String>(arguments, arguments + std::max(argumentCount, 0))) {}

C_CmdArgs::C_CmdArgs(std::string_view product, std::vector<U_String> arguments)
    : arguments_(std::move(arguments)), product_(product), productIndex_(zum::findProduct(product)) {
  if (!isValidProduct()) return;
  XF_decideInputEncoding(productRow(), C_compilerDirectory(productRow()));
  options_ = U_make<C_Options>();
  options_->forgetAll().setOwner(this);
}

C_CmdArgs::C_CmdArgs(const C_CmdArgs& other)
    : U_Ref(other),
      arguments_(other.arguments_),
      product_(other.product_),
      productIndex_(other.productIndex_),
      parseCompleted_(other.parseCompleted_),
      parsed_(other.parsed_) {
  configuration_.strings = other.configuration_.strings;
  configuration_.integers = other.configuration_.integers;
  if (!other.options_) return;
  options_ = U_make<C_Options>(*other.options_);
  options_->forgetAll().setOwner(this);
}

const zum::ProductRow& C_CmdArgs::productRow() const {
  U_require(isValidProduct(), "CmdArgs", __LINE__, "productIndex_ >= 0 && \"No product selected.\"");
  return zum::ProductTable[productIndex_];
}

C_Options& C_CmdArgs::options() {
  U_require(options_.isSet(), "CmdArgs", __LINE__, "options_.isSet() && \"No options without a product.\"");
  return *options_;
}

const C_Options& C_CmdArgs::options() const { return const_cast<C_CmdArgs*>(this)->options(); }

void C_CmdArgs::parse(C_OrphanHandler& orphans) {
  if (parsed_) return;
  const zum::ProductRow& product = productRow();
  // Only translated input needs the directory, but a run without one ends
  // here whatever its encoding.
  const U_String temporaryDirectory = C_temporaryDirectory(product);
  configuration_ =
      C_readConfigFile(C_compilerDirectory(product), productIndex_, temporaryDirectory, std::cout, std::cerr);

  zum::ArgumentSourceStack stack;
  stack.push(U_make<C_ArgvSource>(arguments_));
  const U_String defaults = C_defaultsFilePath(product);
  if (!defaults.empty()) stack.push(U_make<C_FileSource>(defaults, temporaryDirectory));
  if (configuration_.options) {
    stack.push(U_make<C_FileSource>(std::move(configuration_.options), configuration_.path,
                                    configuration_.optionsLine));
  }

  C_SourceStackStream stream(std::move(stack), temporaryDirectory);
  {
    RunProductScope scope(productIndex_);
    C_parseArguments(*this, stream, orphans);
    parseCompleted_ = true;
  }
  parsed_ = true;
}

const U_Handle<C_CmdArgs>& C_CmdArgs::published() { return zum::ProcessState::get<PublishedCmdArgs>().cmdArgs; }

void C_CmdArgs::publish(U_Handle<C_CmdArgs> cmdArgs) {
  zum::ProcessState::get<PublishedCmdArgs>().cmdArgs = std::move(cmdArgs);
}
