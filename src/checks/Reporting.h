// How the cross-module checks and the project metrics report: the places
// their messages stand at, the sub-messages of message lists, the sorting
// of those lists and the one road a finding takes out of the program.
#pragma once

#include <functional>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "messages/Diagnostic.h"
#include "util/Location.h"

namespace zum {

// Messages about the project as a whole (several files) stand here: an
// empty file name, line 1, column 0.
U_Location projectLocation();
// A file of the model (a name as PI_getDefineFilename gives it) and a line.
U_Location fileLineLocation(const char* modelFile, int line);
// The define's file and line.
U_Location defineLocation(PI_DefineHandle define);

// A new diagnostic of `messageNumber` at `location`.
U_Handle<M_Diagnostic> newDiagnostic(int messageNumber, const U_Location& location);
// Appends an entity parameter holding the qualified name (form flag 0).
void addEntityName(M_Diagnostic& diagnostic, const char* qualifiedName);

// The sub-messages of message lists: a use (1579), a definition (1593) and
// a declaration (1594), the last two naming the entity.
U_Handle<M_Diagnostic> useMessage(const U_Location& location);
U_Handle<M_Diagnostic> definitionMessage(const U_Location& location, const char* qualifiedName);
U_Handle<M_Diagnostic> declarationMessage(const U_Location& location, const char* qualifiedName);

// Appends `list` as a message-list parameter: sorted with the diagnostic
// order under the debug switch "sort-messages", else in the order it was
// built.
void addMessageList(M_Diagnostic& diagnostic, std::vector<U_Handle<M_Diagnostic>> list);

// Hands a finding to the project's diagnostic output.
void report(const M_Diagnostic& diagnostic);

// Tests watch the findings of a run here instead of the diagnostic output;
// an empty sink restores the output. Reset with the process state.
using FindingSink = std::function<void(const M_Diagnostic&)>;
void setFindingSink(FindingSink sink);

}  // namespace zum
