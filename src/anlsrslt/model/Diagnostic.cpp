#include "anlsrslt/model/Diagnostic.h"

#include "util/Assert.h"

P_Diagnostic::P_Diagnostic(U_Filename filename, U_Handle<M_Diagnostic> diagnostic, bool madeByModule)
    : filename_(filename), diagnostic_(std::move(diagnostic)), madeByModule_(madeByModule) {
  U_check(filename_.isSet(), "P_Diagnostic", __LINE__, "m_filename.isSet () && \"Null string for object.\"");
}

U_Handle<P_Diagnostic> P_wrapDiagnostic(U_Handle<M_Diagnostic> diagnostic) {
  const U_Location& location = diagnostic->location();
  const U_Filename filename = location.isSet() ? location.file().given() : U_Filename("");
  return U_make<P_Diagnostic>(filename, std::move(diagnostic), false);
}
