// Shared helpers of the option unit tests: a command line parsed from a
// list of arguments alone, without configuration or defaults files.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "TestText.h"
#include "options/ArgumentLoop.h"
#include "options/CmdArgs.h"
#include "options/OptionExceptions.h"
#include "options/OrphanHandler.h"
#include "options/SourceStackStream.h"
#include "util/ProcessState.h"

namespace optionstest {

struct CollectOrphans : C_OrphanHandler {
  void handle(const C_CmdArgs&, const U_String& argument) override { arguments.push_back(argument); }
  bool isEmpty() const override { return arguments.empty(); }
  std::vector<std::string> arguments;
};

using zumtest::Capture;

struct Parsed {
  U_Handle<C_CmdArgs> cmdArgs;
  std::vector<std::string> orphans;
  std::string errors;
  std::string output;
};

// Runs the argument loop of `product` over `arguments`.
inline Parsed parseArguments(const std::string& product, const std::vector<std::string>& arguments) {
  Parsed parsed;
  parsed.cmdArgs = U_make<C_CmdArgs>(product, std::vector<U_String>(arguments.begin(), arguments.end()));
  zum::ArgumentSourceStack stack;
  stack.push(U_make<C_ArgvSource>(parsed.cmdArgs->arguments()));
  C_SourceStackStream stream(std::move(stack), std::filesystem::temp_directory_path().string());
  CollectOrphans orphans;
  Capture errors(std::cerr);
  Capture output(std::cout);
  C_parseArguments(*parsed.cmdArgs, stream, orphans);
  parsed.orphans = orphans.arguments;
  parsed.errors = errors.text();
  parsed.output = output.text();
  return parsed;
}

}  // namespace optionstest
