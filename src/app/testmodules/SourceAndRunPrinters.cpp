// PT_ConfigureOnSource, PT_ConfigureOnAllDefine and PT_GetZUMOutputPath:
// the sources of a run, the symbols at its end and its run information.
#include "app/testmodules/TestModules.h"
#include "app/testmodules/TestOutput.h"

using zum::printTestLine;

namespace {

bool printSource(PI_SourceHandle source) {
  std::string text = PI_getSourceFilename(source);
  if (PI_isSourceCrossModuleFilename(source)) text += " (project file)";
  printTestLine("PT_ConfigureOnSource", text);
  return true;
}

void printSymbols() {
  zum::forEachCurrentDefine([](PI_DefineHandle define) {
    std::string text = zum::describeDefine(define);
    if (PI_isDefineDefinition(define)) text += " definition";
    if (PI_isDefineDeclaration(define)) text += " declaration";
    printTestLine("PT_ConfigureOnAllDefine", text);
  });
}

void printRunInformation() {
  printTestLine("PT_GetZUMOutputPath", std::string("output path ") + PI_getZUMOutputPath(0));
  printTestLine("PT_GetZUMOutputPath", std::string("output path in text encoding ") + PI_getZUMOutputPath(1));
  printTestLine("PT_GetZUMOutputPath", std::string("project file ") + PI_getZUMCrossModuleFilename(0));
}

}  // namespace

void PT_configureConfigureOnSource() { PI_configureOnSource(&printSource); }

void PT_configureConfigureOnAllDefine() { PI_configureOnAllDefine(&printSymbols); }

void PT_configureGetZUMOutputPath() { PI_configureOnEnd(&printRunInformation); }
