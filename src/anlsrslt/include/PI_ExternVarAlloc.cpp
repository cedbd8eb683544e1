// Extern-variable records and allocation records.
#include "anlsrslt/include/NullChecks.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Alloc.h"
#include "anlsrslt/model/ExternVar.h"
#include "anlsrslt/model/impl/IteratorContainers.h"

using zum::checkedAlloc;
using zum::checkedExternVar;

extern "C" {

int PI_getFirstExternVar() {
  return zum::iterateAll(zum::iteratorContainers().externVars, P_externVarStore().grouped());
}
PI_ExternVarHandle PI_getExternVarIterData(int iterator) {
  return zum::elementOr(zum::iteratorContainers().externVars, iterator, static_cast<P_ExternVar*>(nullptr));
}
bool PI_getExternVarIterNext(int iterator) { return zum::iteratorContainers().externVars.next(iterator); }
bool PI_isExternVarIterEnd(int iterator) { return zum::iteratorContainers().externVars.isEnd(iterator); }

const char* PI_getExternVarSubject(PI_ExternVarHandle han) { return checkedExternVar(han).subject(); }
const char* PI_getExternVarObject(PI_ExternVarHandle han) { return checkedExternVar(han).object(); }
int PI_getExternVarLine(PI_ExternVarHandle han) { return checkedExternVar(han).line(); }
PI_SymbolHandle PI_getExternVarSubjectSymbol(PI_ExternVarHandle han) { return checkedExternVar(han).subjectSymbol(); }
PI_SymbolHandle PI_getExternVarObjectSymbol(PI_ExternVarHandle han) { return checkedExternVar(han).objectSymbol(); }
bool PI_hasExternVarSubject(PI_SymbolHandle symbol) { return P_externVarStore().isSubject(&zum::checkedSymbol(symbol)); }

const char* PI_getAllocQualName(PI_AllocHandle han) { return checkedAlloc(han).name(); }
const char* PI_getAllocFilename(PI_AllocHandle han) { return checkedAlloc(han).file().c_str(); }
int PI_getAllocLine(PI_AllocHandle han) { return checkedAlloc(han).line(); }
int PI_getAllocColumn(PI_AllocHandle han) { return checkedAlloc(han).column(); }
PI_SymbolHandle PI_getAllocObjectSymbol(PI_AllocHandle han) { return checkedAlloc(han).symbol(); }
bool PI_isAllocKindPlain(PI_AllocHandle han) { return checkedAlloc(han).kind() == P_AllocKind::Plain; }
bool PI_isAllocKindArray(PI_AllocHandle han) { return checkedAlloc(han).kind() == P_AllocKind::Array; }
bool PI_isAllocKindOld(PI_AllocHandle han) { return checkedAlloc(han).kind() == P_AllocKind::Old; }
bool PI_isAllocKindUnknown(PI_AllocHandle han) { return checkedAlloc(han).kind() == P_AllocKind::Unknown; }

}  // extern "C"
