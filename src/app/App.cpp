#include "app/App.h"

#include <cstdlib>
#include <iostream>
#include <new>

#include "app/SignalHandler.h"
#include "options/OptionExceptions.h"
#include "options/ProductTable.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct BannerState {
  bool printed = false;
};

void printSupportLines() {
  std::cerr << "Please notify zum support (support@zum.invalid),\n"
            << "attaching a code example that causes the problem, if possible.\n";
}

}  // namespace

void XF_App::printBannerOnce() const {
  bool& printed = zum::ProcessState::get<BannerState>().printed;
  if (printed) return;
  printed = true;
  std::cout << title_ << std::flush;
}

int XF_App::runSteps(int argumentCount, const char* const* arguments) {
  // The version is asked for before anything is checked, so that it shows
  // even when the rest of the command line is wrong.
  for (int i = 1; i < argumentCount; ++i) {
    if (U_Path::isPrefixIgnoreCase("-ver", arguments[i])) printBannerOnce();
  }
  prepare();
  zum::installSignalHandlers();
  if (argumentCount < 1) throw C_ConfigurationException("ERROR: No product name specified.\n");

  const U_String product = zum::normaliseProductWord(arguments[0]);
  auto cmdArgs = U_make<C_CmdArgs>(product, argumentCount - 1, arguments + 1);
  if (!cmdArgs->isValidProduct()) throw C_ConfigurationException("ERROR: Invalid product name specified.\n");

  const char* variable = cmdArgs->productRow().compilerDirectoryVariable;
  const char* compilerDirectory = std::getenv(variable);
  if (!compilerDirectory || !*compilerDirectory) {
    throw C_ConfigurationException(U_String("\nERROR: ") + variable + " environment variable not found\n");
  }

  cmdArgs->parse(orphanHandler());
  if (cmdArgs->options().version().value()) printBannerOnce();
  cmdArgs_ = cmdArgs;
  return run();
}

int XF_App::runApplication(int argumentCount, const char* const* arguments, const U_Handle<XF_App>& app) {
  XF_App& self = *app;
  try {
    return self.runSteps(argumentCount, arguments);
  } catch (const C_ConfigurationException& error) {
    std::cerr << error.what();
    self.printUsage();
    return error.useExitCode() ? error.exitCode() : self.configurationErrorExitCode();
  } catch (const U_AssertException&) {
    // The assertion has reported itself.
    return self.userErrorExitCode();
  } catch (const U_UserException& error) {
    error.print(std::cerr);
    std::cerr << '\n';
    return self.userErrorExitCode();
  } catch (const U_Exception& error) {
    std::cerr << "An internal exception occured: " << error.what() << '\n';
    return self.userErrorExitCode();
  } catch (const std::bad_alloc& error) {
    std::cerr << "A system allocation exception (: " << error.what() << ") was detected.\n";
    printSupportLines();
    return self.allocationErrorExitCode();
  } catch (const std::exception& error) {
    std::cerr << "A system exception (" << error.what() << ") was detected.\n";
    printSupportLines();
    return self.systemErrorExitCode();
  } catch (...) {
    std::cerr << "An unrecognised exception was detected.\n";
    printSupportLines();
    return self.systemErrorExitCode();
  }
}
