// The external names that a second source declares again, noted once while
// the sources are read for the two checks that read them: incompatible
// declarations (1510) and duplicate declarations (1512, 1513). A header's
// declaration is redeclared from every source that includes it, so the
// noting is on the reading path; one look-up answers for both checks.
#pragma once

#include "checks/SymbolSet.h"

namespace zum {

struct ProjectRedeclarations {
  // Redeclared by a define of external linkage.
  SymbolSet external{P_kRedeclaredExternal};
  // Of those, the ones redeclared by a declaration of an external variable
  // or function at file or namespace scope that is no template (an
  // implicit one only when it defines).
  SymbolSet externalObjects{P_kRedeclaredExternalObject};
};

// Registers the noting (once, however many checks ask for it).
void noteProjectRedeclarations();
const ProjectRedeclarations& projectRedeclarations();

}  // namespace zum
