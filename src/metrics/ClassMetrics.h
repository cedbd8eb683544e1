// The class metrics of the C++ product, each recorded per class (every
// symbol whose current define is a class or struct), configured in this
// order:
//
//   STNOC  immediate children: the distinct names that base relations
//          list as derived from the class
//   STWMC  weighted methods: the sum of STCYC over the functions defined
//          in the class
//   STRFC  response for class: its defined member functions and the
//          distinct functions they call
//   STCBO  coupling between objects: the members of other classes (not of
//          its bases) that its members refer to
//   STLCM  lack of cohesion of methods: the number of groups of its methods
//          that refer to no common member of the class
//
// and the member encapsulation check STMEV (message 1760), configured
// among the C++ checks: the share of a class's non-public data members
// that its public accessors reach, against the threshold of the module
// option "class::member_encapsulation_ratio=...".
//
// Each metric builds its table at its first request, once for all
// classes, and answers each class by a look-up.
#pragma once

namespace zum {

void configureSTNOC();
void configureSTWMC();
void configureSTRFC();
void configureSTCBO();
void configureSTLCM();
void configureSTMEV();

}  // namespace zum
