// The cross-module driver: decides the analysis mode and the sources of the
// run, publishes the command line, opens the project outputs, switches the
// analysis modules on, reads the sources and raises the end event. The
// project outputs are finished when the driver goes, also after a failed
// run.
#pragma once

#include "app/App.h"
#include "app/RunInputs.h"
#include "options/OutputLocation.h"
#include "options/OrphanHandler.h"

// Switches the analysis modules of a run on.
using P_RegisterModules = void (*)(U_Handle<C_CmdArgs>* cmdArgs, zum::AnalysisMode* mode);

class P_Driver : public XF_App {
 public:
  P_Driver(U_String title, P_RegisterModules registerModules);
  ~P_Driver() override;

  int run() override;
  C_OrphanHandler& orphanHandler() override { return orphanFiles_; }

  const C_OrphanFileHandler& orphanFiles() const noexcept { return orphanFiles_; }

 protected:
  // Called once per run, after the project outputs are open.
  P_RegisterModules moduleRegistration() const noexcept { return registerModules_; }

 private:
  zum::AnalysisMode decideMode(const C_Options& options) const;
  void buildSources(zum::AnalysisMode mode, const C_Options& options) const;
  // Hands the model what it tells modules about the run.
  static void describeRun(zum::AnalysisMode mode, const zum::OutputLocation& output);

  U_String banner_;
  P_RegisterModules registerModules_;
  C_OrphanFileHandler orphanFiles_;
};
