#include "checks/UseTable.h"

#include <algorithm>
#include <tuple>

#include "checks/SymbolOrder.h"

namespace zum {

namespace {

// The symbol a use by `user` is charged to: a block-scope variable stands
// for the function (or other entity) whose scope encloses it.
PI_SymbolHandle chargedUser(PI_SymbolHandle user) {
  PI_DefineHandle define = PI_getSymbolCurrentDefine(user);
  if (PI_isDefineVariable(define) && PI_hasDefineBlockScope(define))
    return PI_getScopeEnclSymbol(PI_getDefineScope(define));
  return user;
}

}  // namespace

UseTable::UseTable(bool (*skipUsed)(PI_DefineHandle)) {
  for (int it = PI_getFirstRelationRefer(); !PI_isRelationRefersIterEnd(it); PI_getRelationRefersIterNext(it)) {
    PI_RelationHandle relation = PI_getRelationRefersIterData(it);
    add(PI_getRelationSubjectSymbol(relation), PI_getRelationObjectSymbol(relation), PI_getRelationLine(relation),
        skipUsed);
  }
  for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
    PI_ExternVarHandle record = PI_getExternVarIterData(it);
    // An enclosing scope the model does not know leaves nobody to charge.
    PI_SymbolHandle user = chargedUser(PI_getExternVarObjectSymbol(record));
    if (user) add(PI_getExternVarSubjectSymbol(record), user, PI_getExternVarLine(record), skipUsed);
  }
  finish();
}

void UseTable::add(PI_SymbolHandle used, PI_SymbolHandle user, int line, bool (*skipUsed)(PI_DefineHandle)) {
  if (skipUsed(PI_getSymbolCurrentDefine(used))) return;
  const SymbolOrder& order = symbolOrder();
  const auto sequence = static_cast<std::uint32_t>(entries_.size());
  entries_.push_back(Entry{order.serial(used), order.serial(user), sequence,
                           SymbolUse{used, user, PI_getDefineFilename(PI_getSymbolCurrentDefine(user)), line}});
}

// Groups the uses by used symbol and keeps the first use of each user.
void UseTable::finish() {
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.usedSerial, a.userSerial, a.sequence) < std::tie(b.usedSerial, b.userSerial, b.sequence);
  });
  uses_.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    if (i > 0 && entries_[i - 1].use.used == entry.use.used && entries_[i - 1].use.user == entry.use.user) continue;
    uses_.push_back(entry.use);
  }
  entries_.clear();
  entries_.shrink_to_fit();
}

}  // namespace zum
