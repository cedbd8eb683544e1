// How this program's own findings leave it: every diagnostic that an
// analysis module raises goes through M_sendDiagnostic to the project's
// diagnostic output.
#pragma once

class M_Diagnostic;

// Errors are written directly, bypassing every filter; anything else goes
// through the output's gates (suppression, quiet files, message selection).
// A diagnostic hidden by pragma, or with "hidemacrowarnings" one made by a
// macro expansion, is sent as suppressed. Sending while no output is open
// (messages/Output.h) ends the run.
void M_sendDiagnostic(const M_Diagnostic& diagnostic);
