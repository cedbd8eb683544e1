#include "checks/UseTable.h"

#include <algorithm>
#include <functional>
#include <tuple>

#include "checks/SymbolOrder.h"
#include "options/RunSettings.h"
#include "util/Prefetch.h"

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

LargeVector<PI_RelationHandle> refersRelations() {
  std::size_t count = 0;
  for (int it = PI_getFirstRelationRefer(); !PI_isRelationRefersIterEnd(it); PI_getRelationRefersIterNext(it)) ++count;
  LargeVector<PI_RelationHandle> relations;
  relations.reserve(count);
  for (int it = PI_getFirstRelationRefer(); !PI_isRelationRefersIterEnd(it); PI_getRelationRefersIterNext(it))
    relations.push_back(PI_getRelationRefersIterData(it));
  return relations;
}

std::size_t externVarCount() {
  std::size_t count = 0;
  for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) ++count;
  return count;
}

}  // namespace

UseTable::UseTable(bool (*skipUsed)(PI_DefineHandle))
    : skipUsed_(skipUsed), lastUsed_(C_readCachesOn()), lastUser_(C_readCachesOn()) {
  const LargeVector<PI_RelationHandle> relations = refersRelations();
  // Allocated once: growing a table of this size copies it and touches
  // twice the memory.
  uses_.reserve(relations.size() + externVarCount());

  // The relations come in name order, not in the order they lie in memory,
  // so each relation, its user and the user's define would be a cache miss
  // in turn.
  forEachFetchingAhead(
      relations.size(), 16,
      [&](std::size_t i) {
        PI_RelationHandle relation = relations[i];
        add(PI_getRelationSubjectSymbol(relation), PI_getRelationObjectSymbol(relation), PI_getRelationLine(relation));
      },
      [&](std::size_t i) { prefetch(relations[i]); },
      [&](std::size_t i) {
        prefetch(PI_getRelationObjectSymbol(relations[i]));
        prefetch(PI_getRelationSubjectSymbol(relations[i]));
      },
      [&](std::size_t i) { prefetch(PI_getSymbolCurrentDefine(PI_getRelationObjectSymbol(relations[i]))); });
  for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
    PI_ExternVarHandle record = PI_getExternVarIterData(it);
    // An enclosing scope the model does not know leaves nobody to charge.
    PI_SymbolHandle user = chargedUser(PI_getExternVarObjectSymbol(record));
    if (user) add(PI_getExternVarSubjectSymbol(record), user, PI_getExternVarLine(record));
  }
  finish();
}

UseTable::Used UseTable::usedFacts(PI_SymbolHandle used) const {
  if (skipUsed_(PI_getSymbolCurrentDefine(used))) return {true, 0};
  return {false, symbolOrder().serial(used)};
}

UseTable::User UseTable::userFacts(PI_SymbolHandle user) {
  return {symbolOrder().serial(user), PI_getDefineFilename(PI_getSymbolCurrentDefine(user))};
}

void UseTable::add(PI_SymbolHandle used, PI_SymbolHandle user, int line) {
  const Used usedOne = lastUsed_.get(used, [this](PI_SymbolHandle symbol) { return usedFacts(symbol); });
  if (usedOne.skipped) return;
  const User userOne = lastUser_.get(user, &userFacts);
  const auto sequence = static_cast<std::uint32_t>(uses_.size());
  uses_.push_back(SymbolUse{user, userOne.file, line, usedOne.serial, userOne.serial, sequence});
  if (usedSymbols_.empty() || usedSymbols_.back().first != usedOne.serial) usedSymbols_.push_back({usedOne.serial, used});
}

// Groups the uses by used symbol, in identity order, and keeps the first
// use of each user.
void UseTable::finish() {
  std::sort(uses_.begin(), uses_.end(), [](const SymbolUse& a, const SymbolUse& b) {
    return std::tie(a.usedSerial, a.userSerial, a.sequence) < std::tie(b.usedSerial, b.userSerial, b.sequence);
  });
  // The symbol of each serial (serials are unique, so any entry will do).
  std::sort(usedSymbols_.begin(), usedSymbols_.end());
  std::size_t kept = 0;
  std::size_t symbol = 0;
  for (std::size_t i = 0; i < uses_.size(); ++i) {
    const SymbolUse& use = uses_[i];
    const bool newUsed = kept == 0 || uses_[kept - 1].usedSerial != use.usedSerial;
    if (!newUsed && uses_[kept - 1].user == use.user) continue;
    if (newUsed) {
      while (usedSymbols_[symbol].first != use.usedSerial) ++symbol;
      const auto begin = static_cast<std::uint32_t>(kept);
      groups_.push_back(Group{usedSymbols_[symbol].second, begin, begin});
    }
    uses_[kept++] = use;
    groups_.back().end = static_cast<std::uint32_t>(kept);
  }
  uses_.resize(kept);
  usedSymbols_ = {};
}

}  // namespace zum
