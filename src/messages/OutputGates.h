// The filters that decide which diagnostics an output writes, shared by the
// output kinds and by the reader of a source's error file.
//
// The options behind them are the run's settings (options/RunSettings.h).
#pragma once

#include "util/Filename.h"
#include "util/StringStore.h"

class M_Diagnostic;
class U_Location;

// The message selection: a number listed in "nomsg" is not selected, and
// when "only" lists numbers, nothing outside it is.
bool M_isMessageSelected(int messageNumber);

// Whether the file is named in the "quiet" list (by its absolute path or
// by its name as given). The answer per file is kept for the run unless the
// debug switch "always-first" is set.
bool M_isQuietFile(const XF_Filename& file);
// A located diagnostic in a quiet file does not pass.
bool M_passesQuietFilter(const M_Diagnostic& diagnostic);

// Files that an include record of the run named as included.
void M_noteIncludedFile(U_Filename file);
// The primary-file test of "hdrsuppress": a location lies in the primary
// source file when it has no include location and its file was never named
// as included. Diagnostics read from error files carry their include chain;
// those a module makes at a file and line carry none, and only the include
// records tell that their file is a header.
bool M_isInPrimaryFile(const U_Location& location);

// The message filter of the text outputs. Errors always pass. Any other
// diagnostic is dropped when the message selection does not select it,
// when it is hidden by pragma and "hiddenwarnings" is off, or when it is
// located outside the primary file while "hdrsuppress" is on or its file
// is quiet.
bool M_passesMessageFilter(const M_Diagnostic& diagnostic);

// All gates of the text outputs: a suppressed diagnostic is dropped unless
// "hiddenwarnings" is on; then the quiet filter; then the message filter.
bool M_passesTextGates(const M_Diagnostic& diagnostic, bool suppressed);
