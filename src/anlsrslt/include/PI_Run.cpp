// Run information and locations.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/RunInfo.h"
#include "anlsrslt/model/Source.h"
#include "anlsrslt/model/SourceLocation.h"
#include "util/Assert.h"
#include "util/StringStore.h"

namespace {

// Encoding 0 is the file-system name, 1 the run's text encoding. The text
// encoding of the default input is the bytes as they are, so both give the
// same text until another encoding is configured.
const char* inEncoding(std::string_view text, int encoding) {
  U_require(encoding == 0 || encoding == 1, "SourceFileReader", __LINE__,
            "(0 == encoding || 1 == encoding) && \"Illegal encoding specified\"");
  return U_Identifier(text).c_str();
}

}  // namespace

extern "C" {

const char* PI_getSourceFilename(PI_SourceHandle src) { return zum::checkedSource(src).name().c_str(); }

bool PI_isSourceCrossModuleFilename(PI_SourceHandle src) {
  // The handle is checked whether or not the run has a cross-module file.
  const P_Source& source = zum::checkedSource(src);
  const XF_Filename& crossModule = P_runInfo().crossModuleFile;
  return crossModule.isSet() && source.file() == crossModule;
}

const char* PI_getZUMCrossModuleFilename(int encoding) {
  P_RunInfo& run = P_runInfo();
  const char* text = inEncoding(run.crossModuleFile.given().view(), encoding);
  // The first answer is kept for the rest of the run.
  if (!run.crossModuleFileText) run.crossModuleFileText = text;
  return run.crossModuleFileText;
}

const char* PI_getZUMOutputPath(int encoding) { return inEncoding(P_runInfo().outputPath, encoding); }

const char* PI_getLocationFilename(PI_LocationHandle loc) { return zum::checkedLocation(loc).file().c_str(); }
int PI_getLocationLine(PI_LocationHandle loc) { return zum::checkedLocation(loc).line(); }
int PI_getLocationColumn(PI_LocationHandle loc) { return zum::checkedLocation(loc).column(); }

}  // extern "C"
