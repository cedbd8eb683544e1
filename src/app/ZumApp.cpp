#include "app/ZumApp.h"

#include <iostream>

#include "app/HelpListings.h"
#include "app/ModuleRegistry.h"

const char* const ZUMApp::kTitle =
    "Cross-Module Analyser 1.0 build 171 Apr  4 2008 for Windows\n"
    "Copyright (c) zum developers\n";

ZUMApp::ZUMApp() : P_Driver(kTitle, &zum::registerModules) {}

int ZUMApp::run() {
  if (cmdArgs()->options().help().value()) {
    printHelp();
    printUsage();
    return successExitCode();
  }
  return P_Driver::run();
}

void ZUMApp::printUsage() const {
  std::cerr << "usage: \n"
               "  zum <product> -cmaf <file> [options...] f1...fn\n"
               "  zum <product> -cmaf <file> [options...] -list filelist\n";
}

void ZUMApp::printHelp() const {
  printBannerOnce();
  std::ostream& out = std::cout;
  out << "\nCalculated Class Metrics:\n";
  zum::printMetricList(out);
  out << "\nGenerated Analysis Messages:\n";
  zum::printCrossModuleMessageList(out);
  zum::printAllocationMismatchList(out);
  out << '\n';
  zum::printNameCheckList(out);
  out << "\n"
         "Return codes: \n"
         "  0  No Error\n"
         "  2  Caught an exception\n"
         "  3  ZEKBIN or ZEKPPBIN not set\n"
         "  4  No source files specified\n"
         "  6  Product specified is not on of ZEK or ZEKPP\n"
         "\n"
         "Options:\n"
         "  -CrossModuleAnalysisFile <file>\n"
         "      The basename used for metric and error file output.\n"
         "\n"
         "  -help\n"
         "      Display this help information.\n";
  out.flush();
}
