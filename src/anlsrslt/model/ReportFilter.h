// Which diagnostics of a source's error file are passed on to the modules.
//
// An error always passes. Any other diagnostic is held back when the
// output's message selection ("only", "nomsg") does not select it; when its
// message level is listed in "suppresslvl"; when it is hidden by pragma
// while "hiddenwarnings" is off; or when it lies outside the source's main
// file while "hdrsuppress" is on or the header exclusion test rejects it.
//
// Outside the main file: the location has an include location. The error
// files carry the include chain of every place in a header, whereas their
// absolute paths are those of the analyser's run and need not match the
// paths of this one. The header exclusion test rejects a header named in
// the "quiet" list: the user asked to hear nothing of it.
//
// The options are the run's settings (options/RunSettings.h).
#pragma once

class M_Diagnostic;

bool P_isReported(const M_Diagnostic& diagnostic);
