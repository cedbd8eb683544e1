#include "checks/UseTable.h"

#include <algorithm>
#include <functional>
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

UseTable::UseTable(bool (*skipUsed)(PI_DefineHandle)) : skipUsed_(skipUsed) {
  const LargeVector<PI_RelationHandle> relations = refersRelations();
  // Allocated once: growing a table of this size copies it and touches
  // twice the memory.
  uses_.reserve(relations.size() + externVarCount());

  // The relations come in name order, not in the order they lie in memory,
  // so each relation, its user and the user's define would be a cache miss
  // in turn. Loading them some relations ahead lets the misses overlap.
  constexpr std::size_t kAhead = 8;
  const std::size_t count = relations.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i + 2 * kAhead < count) __builtin_prefetch(relations[i + 2 * kAhead]);
    if (i + kAhead < count) {
      __builtin_prefetch(PI_getRelationObjectSymbol(relations[i + kAhead]));
      __builtin_prefetch(PI_getRelationSubjectSymbol(relations[i + kAhead]));
    }
    if (i + kAhead / 2 < count)
      __builtin_prefetch(PI_getSymbolCurrentDefine(PI_getRelationObjectSymbol(relations[i + kAhead / 2])));
    PI_RelationHandle relation = relations[i];
    add(PI_getRelationSubjectSymbol(relation), PI_getRelationObjectSymbol(relation), PI_getRelationLine(relation));
  }
  for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
    PI_ExternVarHandle record = PI_getExternVarIterData(it);
    // An enclosing scope the model does not know leaves nobody to charge.
    PI_SymbolHandle user = chargedUser(PI_getExternVarObjectSymbol(record));
    if (user) add(PI_getExternVarSubjectSymbol(record), user, PI_getExternVarLine(record));
  }
  finish();
}

void UseTable::add(PI_SymbolHandle used, PI_SymbolHandle user, int line) {
  if (used != lastUsed_ || lastUsed_ == nullptr) {
    lastUsed_ = used;
    lastUsedSkipped_ = skipUsed_(PI_getSymbolCurrentDefine(used));
    if (!lastUsedSkipped_) lastUsedSerial_ = symbolOrder().serial(used);
  }
  if (lastUsedSkipped_) return;
  if (user != lastUser_ || lastUser_ == nullptr) {
    lastUser_ = user;
    lastUserSerial_ = symbolOrder().serial(user);
    lastUserFile_ = PI_getDefineFilename(PI_getSymbolCurrentDefine(user));
  }
  const auto sequence = static_cast<std::uint32_t>(uses_.size());
  uses_.push_back(SymbolUse{user, lastUserFile_, line, lastUsedSerial_, lastUserSerial_, sequence});
  if (usedSymbols_.empty() || usedSymbols_.back().first != lastUsedSerial_) usedSymbols_.push_back({lastUsedSerial_, used});
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
