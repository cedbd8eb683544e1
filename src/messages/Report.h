// How this program's own findings leave it: every diagnostic that an
// analysis module raises goes through M_sendDiagnostic to the project's
// diagnostic output.
#pragma once

class M_Diagnostic;

// Errors are written directly, bypassing every filter; anything else goes
// through the output's gates (suppression, quiet files, message selection).
void M_sendDiagnostic(const M_Diagnostic& diagnostic);
