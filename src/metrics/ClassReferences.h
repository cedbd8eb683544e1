// The refers relations that the coupling, the cohesion and the
// encapsulation of classes are measured on: those made by a member of a
// class.
#pragma once

#include <vector>

#include "anlsrslt/include/PI_Interface.h"

namespace zum {

struct MemberReference {
  PI_RelationHandle relation;
  const char* objectScope;   // the referring member's class
  const char* subjectScope;  // the scope text of what it refers to; never empty
};

// The refers relations whose object's current define has a class as its
// scope text (a class: the qualified name of a symbol whose current define
// is a class or struct) and whose subject's current define has a scope
// text, in the order of the relation iteration. Built at the first request
// and kept for the run.
const std::vector<MemberReference>& memberReferences();

}  // namespace zum
