// zum-genproject: writes a synthetic project of metric files for measuring
// zum at scale. Usage in helpText() (Options.cpp).
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "Generator.h"
#include "Options.h"

int main(int argc, char** argv) {
  using namespace genproject;
  Options options;
  try {
    options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "zum-genproject: %s\nTry 'zum-genproject --help'.\n", error.what());
    return 2;
  }
  if (options.help) {
    std::fputs(helpText().c_str(), stdout);
    return 0;
  }
  try {
    Summary summary = generateProject(options);
    if (!options.quiet)
      std::printf("zum-genproject: %d sources, %llu files, %llu bytes, %llu lines in %.2f s\n", options.sources,
                  static_cast<unsigned long long>(summary.files), static_cast<unsigned long long>(summary.bytes),
                  static_cast<unsigned long long>(summary.lines), summary.seconds);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zum-genproject: %s\n", error.what());
    return 1;
  }
  return 0;
}
