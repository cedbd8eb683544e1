// Diagnostics: made and reported by modules, or delivered by the events of
// a source's error file.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Diagnostic.h"
#include "messages/DiagnosticFormat.h"
#include "messages/Report.h"
#include "util/StringStore.h"
#include "util/Filename.h"

namespace {

P_Diagnostic& checkedDiagnostic(P_Diagnostic* diag) {
  P_Diagnostic& checked = zum::checked(diag, "Diagnostic", "0 != diag && \"Dont dereference 0.\"");
  U_check(checked.sanity() == P_Diagnostic::kSanity, "Diagnostic", __LINE__,
          "4711 == diag->m_sanity && \"Not a live diagnostic handle.\"");
  return checked;
}

// An empty name stays empty: the project location has no file.
XF_Filename fileNamed(std::string_view name) {
  if (name.empty()) return XF_Filename(U_Filename(name), U_Filename(name));
  return XF_Filename(name);
}

}  // namespace

extern "C" {

PI_DiagnosticHandle PI_createDiagnostic(int message, const char* filename, int line) {
  const U_Filename name = filename ? U_Filename(filename) : U_Filename();
  U_Handle<M_Diagnostic> diagnostic =
      U_make<M_Diagnostic>(message, filename ? U_Location(fileNamed(filename), line, 0) : U_Location());
  U_Handle<P_Diagnostic> made = U_make<P_Diagnostic>(name, std::move(diagnostic), true);
  // The module's reference, given up by PI_warn.
  made->addRef();
  return made.pointer();
}

void PI_addDiagnosticParamName(PI_DiagnosticHandle diag, const char* name) {
  P_Diagnostic& diagnostic = checkedDiagnostic(diag);
  U_check(name != nullptr, "Diagnostic", __LINE__, "0 != name && \"Dont dereference 0 in string pointer.\"");
  diagnostic.diagnostic().addString(name);
}

void PI_addDiagnosticParamDiag(PI_DiagnosticHandle diag, PI_DiagnosticHandle sub) {
  P_Diagnostic& diagnostic = checkedDiagnostic(diag);
  const P_Diagnostic& listed = checkedDiagnostic(sub);
  diagnostic.diagnostic().addMessageList({U_make<M_Diagnostic>(listed.diagnostic())});
}

void PI_warn(PI_DiagnosticHandle diag) {
  U_Handle<P_Diagnostic> keep(&checkedDiagnostic(diag));
  if (keep->madeByModule()) keep->release();
  M_sendDiagnostic(keep->diagnostic());
}

int PI_getDiagnosticID(PI_DiagnosticHandle diag) { return checkedDiagnostic(diag).diagnostic().messageNumber(); }

const char* PI_getDiagnosticFilename(PI_DiagnosticHandle diag) { return checkedDiagnostic(diag).filename().c_str(); }

const char* PI_getDiagnosticAsString(PI_DiagnosticHandle han, const char* format) {
  U_check(format != nullptr, "ErrorFileReader", __LINE__, "0 != format && \"Dont dereference 0 in string pointer.\"");
  U_check(han != nullptr, "ErrorFileReader", __LINE__, "0 != han && \"Dont dereference 0 in Diagnostic handle.\"");
  return U_Identifier(M_formatDiagnostic(han->diagnostic(), format, 0)).c_str();
}

}  // extern "C"
