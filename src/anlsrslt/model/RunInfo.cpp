#include "anlsrslt/model/RunInfo.h"

#include "util/ProcessState.h"

P_RunInfo& P_runInfo() { return zum::ProcessState::get<P_RunInfo>(); }

void P_setCrossModuleFile(const XF_Filename& file) { P_runInfo().crossModuleFile = file; }
void P_setOutputPath(const U_String& path) { P_runInfo().outputPath = path; }
