// The null-handle checks of the plug-in functions: a module that passes a
// null handle gets an assertion (U_AssertException) naming the unit that
// owns the handle's kind.
#pragma once

#include "anlsrslt/include/PI_Interface.h"
#include "util/Assert.h"

namespace zum {

template <class T>
T& checked(T* handle, const char* unit, const char* condition) {
  U_check(handle != nullptr, unit, __LINE__, condition);
  return *handle;
}

inline P_Define& checkedDefine(P_Define* def) {
  return checked(def, "DefineRecord", "0 != def && \"Dont dereference 0.\"");
}
inline P_Symbol& checkedSymbol(P_Symbol* han) {
  return checked(han, "P_Symbol", "0 != han && \"Dont dereference 0.\"");
}
inline P_Relation& checkedRelation(P_Relation* rel) {
  return checked(rel, "RelationRecord", "0 != rel && \"Dont dereference 0.\"");
}
inline P_RelationInclude& checkedInclude(P_RelationInclude* rel) {
  return checked(rel, "RelationInclude", "0 != rel && \"Dont dereference 0.\"");
}
inline P_ExternVar& checkedExternVar(P_ExternVar* han) {
  return checked(han, "ExternVarRecord", "0 != han && \"Dont dereference 0.\"");
}
inline P_Alloc& checkedAlloc(P_Alloc* han) {
  return checked(han, "AllocRecord", "0 != han && \"Dont dereference 0.\"");
}
inline P_Literal& checkedLiteral(P_Literal* han) {
  return checked(han, "LiteralRecord", "0 != han && \"Dont dereference 0.\"");
}
inline P_ControlGraph& checkedGraph(P_ControlGraph* grph) {
  return checked(grph, "ControlGraphRecord", "0 != grph && \"Dont dereference 0.\"");
}
inline P_ControlGraphEdge& checkedEdge(P_ControlGraphEdge* edge) {
  return checked(edge, "ControlGraphRecord", "0 != edge && \"Dont dereference 0.\"");
}
inline P_Location& checkedLocation(P_Location* loc) {
  return checked(loc, "Location", "0 != loc && \"Dont dereference 0.\"");
}
inline P_Source& checkedSource(P_Source* src) {
  return checked(src, "SourceFileReader", "0 != src && \"Dont dereference 0.\"");
}

}  // namespace zum
