// Scope texts for the end-of-run tables of C++ classes.
//
// PI_getDefineScope interns every part of a name the first time it is
// asked; the class tables ask for the scope of millions of names, and only
// ever compare it with names the run already knows. This gives the same
// text, found without interning anything.
#pragma once

namespace zum {

// The scope text of the marked, interned qualified name `qualName` (the
// name without its last component, as PI_getDefineScope gives it): "" at
// file scope; the interned text when the run has interned it; otherwise
// kUnknownScope, a non-empty text that equals no interned name.
const char* scopeTextOf(const char* qualName);

extern const char* const kUnknownScope;

}  // namespace zum
