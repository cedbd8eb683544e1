// What the driver calls of the model, in the order of a run:
//
//   P_setCrossModuleFile, P_setOutputPath    before any source is read
//   P_configureOnInclude                     the driver's own include handler
//   P_setErrorFileReader                     the reader of a source's error file
//   P_openLog                                before the first source
//   per source: P_beginSource, then P_readSourceFiles (which throws
//     P_FileOpenException for a file that cannot be opened)
//   P_closeLog                               after the last source
//   P_raiseEndEvent                          the end of the run
#pragma once

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/RunInfo.h"
#include "anlsrslt/model/Source.h"
