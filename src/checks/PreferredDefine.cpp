#include "checks/PreferredDefine.h"

namespace zum {

PI_DefineHandle preferredDefine(PI_SymbolHandle symbol) {
  PI_DefineHandle current = PI_getSymbolCurrentDefine(symbol);
  if (!current || !PI_isDefineDeclaration(current)) return current;
  PI_DefineHandle found = nullptr;
  PI_DefineHandle last = current;
  // Walked to the end: an iterator id is given back only there.
  for (int it = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it)) {
    last = PI_getDefineIterData(it);
    if (!found && !PI_isDefineDeclaration(last)) found = last;
  }
  return found ? found : last;
}

PI_DefineHandle firstDefineOf(PI_SymbolHandle symbol, bool (*test)(PI_DefineHandle)) {
  PI_DefineHandle found = nullptr;
  // Walked to the end: an iterator id is given back only there.
  for (int it = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it)) {
    PI_DefineHandle define = PI_getDefineIterData(it);
    if (!found && test(define)) found = define;
  }
  return found;
}

}  // namespace zum
