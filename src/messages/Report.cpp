#include "messages/Report.h"

#include <iostream>

#include "messages/Diagnostic.h"

// Until the output kinds exist, findings are shown as their debug text.
void M_sendDiagnostic(const M_Diagnostic& diagnostic) { std::cout << diagnostic.debugText() << '\n'; }
