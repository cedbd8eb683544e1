// The checks over the several declarations and definitions one name has
// across the project. Each keeps its table for the run and reports in its
// end-of-run callback.
#pragma once

namespace zum {

// A typedef name that names another define (1506), typedefs of several
// types (1507) or typedefs of one type at several places (1508).
void configureTypedefReuse();
// A variable or function defined at several places (1509).
void configureDuplicateDefinition();
// An external name whose declarations do not agree (1510).
void configureIncompatibleDeclaration();
// An external variable or function declared more than once (1512), and
// never defined (1513).
void configureDuplicateDeclaration();

}  // namespace zum
