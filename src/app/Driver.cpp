#include "app/Driver.h"

#include "anlsrslt/include/P_DriverInterface.h"
#include "anlsrslt/model/ErrorFileReader.h"
#include "anlsrslt/model/Relation.h"
#include "app/ProjectOutputs.h"
#include "app/SourceReading.h"
#include "messages/OutputGates.h"
#include "options/DebugSwitches.h"
#include "options/OptionExceptions.h"
#include "options/ProductTable.h"
#include "options/RunSettings.h"
#include "util/Path.h"

P_Driver::P_Driver(U_String title, P_RegisterModules registerModules)
    : XF_App(title), banner_(std::move(title)), registerModules_(registerModules) {}

namespace {

// Every run reads the include records: they tell headers from primary
// source files for the output's "hdrsuppress".
void noteInclude(P_RelationInclude* include) { M_noteIncludedFile(include->subject()); }

}  // namespace

P_Driver::~P_Driver() { zum::closeProjectOutputsReporting(); }

zum::AnalysisMode P_Driver::decideMode(const C_Options& options) const {
  const C_OptionFilename& projectFile = options.crossModuleAnalysisFile();
  if (projectFile.given()) {
    if (orphanFiles_.isEmpty()) {
      throw C_ConfigurationException("ERROR: Multi file analysis requires at least one input file.\n\n");
    }
    if (projectFile.value().empty()) {
      throw C_ConfigurationException("ERROR: CrossModuleAnalysisFile (cmaf) must specify a filename\n\n");
    }
    return zum::MultiFile;
  }
  if (orphanFiles_.count() != 1) {
    throw C_ConfigurationException("ERROR: Single file analysis must have exactly one input file.\n\n");
  }
  return zum::SingleFile;
}

void P_Driver::buildSources(zum::AnalysisMode mode, const C_Options& options) const {
  zum::RunInputs& inputs = zum::runInputs();
  zum::OutputLocation& output = zum::runOutputLocation();
  inputs.mode = mode;
  inputs.sources.clear();
  for (const C_OrphanFileHandler::Entry& entry : orphanFiles_) {
    inputs.sources.push_back(zum::SourceEntry{entry.file, entry.outputDirectory});
  }
  if (mode == zum::SingleFile) {
    output = zum::OutputLocation{inputs.sources.front().file, inputs.sources.front().outputDirectory};
    return;
  }
  // The project file is read last like a source, so that the results of an
  // earlier run of the project come back in.
  const U_String& projectFile = options.crossModuleAnalysisFile().value();
  output = zum::OutputLocation{XF_Filename(projectFile), U_Path::directory(projectFile)};
  inputs.sources.push_back(zum::SourceEntry{output.projectFile, output.outputDirectory});
}

int P_Driver::run() {
  const U_Handle<C_CmdArgs> cmdArgs = this->cmdArgs();
  const C_Options& options = cmdArgs->options();
  const zum::AnalysisMode mode = decideMode(options);

  C_CmdArgs::publish(U_make<C_CmdArgs>(*cmdArgs));
  C_setRunProductIndex(cmdArgs->productIndex());
  C_publishDebugValues(options.debug().values());
  C_publishRunSettings(C_readRunSettings(*cmdArgs));

  buildSources(mode, options);
  const zum::RunInputs& inputs = zum::runInputs();
  describeRun(inputs.mode, zum::runOutputLocation());

  if (inputs.mode == zum::SingleFile) zum::warnOfAMissingSingleSource(inputs.sources.front());
  zum::openProjectOutputs(zum::runOutputLocation());
  zum::AnalysisMode registeredMode = mode;
  U_Handle<C_CmdArgs> registeredArgs = cmdArgs;
  registerModules_(&registeredArgs, &registeredMode);
  P_configureOnInclude(&noteInclude);
  P_setErrorFileReader(&P_readErrorFile);

  zum::readSources(inputs);
  P_raiseEndEvent();
  zum::runInputs().sources.clear();
  // Closed here rather than when the driver goes, so that a file that
  // cannot be finished decides the exit code.
  zum::closeProjectOutputs();
  return successExitCode();
}

void P_Driver::describeRun(zum::AnalysisMode mode, const zum::OutputLocation& output) {
  // Only a multi-file run has a cross-module file: a single-file run's one
  // source must not look like the project entry to the modules.
  if (mode == zum::MultiFile) P_setCrossModuleFile(output.projectFile);
  P_setOutputPath(output.outputDirectory);
}
