// What the driver tells the model about the run: the cross-module analysis
// file and the output path, which modules ask for.
#pragma once

#include "util/Filename.h"
#include "util/String.h"

// The driver sets both before the first source is read.
void P_setCrossModuleFile(const XF_Filename& file);
void P_setOutputPath(const U_String& path);

struct P_RunInfo {
  XF_Filename crossModuleFile;
  U_String outputPath;
  // The first cross-module file name handed out is kept for the run.
  const char* crossModuleFileText = nullptr;
};

P_RunInfo& P_runInfo();
