// What filing learnt from the first define of a shape, kept in the shape
// for its later defines (a header's declaration is filed again in every
// source that includes it): the symbol key of the name, and the project
// symbol an external declaration was filed under. Both follow from the
// name and the linkage alone, and project entries never change once made.
// Off under "no-read-caches"; checked in sanitizer builds (util/Memo.h).
#pragma once

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/RunSettings.h"
#include "util/Memo.h"

// The key the define's name is filed under (P_SymbolTable::keyOf).
inline U_Identifier P_keyFor(const P_Define& def) {
  if (!C_readCachesOn()) return P_SymbolTable::keyOf(def.qualName());
  P_FilingMemo& memo = def.shape().memo;
  if (!memo.key.isSet()) {
    memo.key = P_SymbolTable::keyOf(def.qualName());
  } else if constexpr (zum::kCheckMemos) {
    zum::checkMemo(memo.key == P_SymbolTable::keyOf(def.qualName()), "FilingMemo");
  }
  return memo.key;
}

// The project entry of an external declaration, as `find` gives it (the
// entry of the project map, made when missing).
template <class Find>
P_InsertResult P_projectEntryFor(const P_Define& def, Find find) {
  if (!C_readCachesOn()) return find();
  P_FilingMemo& memo = def.shape().memo;
  if (memo.projectSymbol) {
    if constexpr (zum::kCheckMemos) {
      const P_InsertResult fresh = find();
      zum::checkMemo(fresh.symbol == memo.projectSymbol && fresh.status == P_InsertStatus::ProjectRedeclaration,
                     "FilingMemo");
    }
    return {P_InsertStatus::ProjectRedeclaration, memo.projectSymbol};
  }
  const P_InsertResult found = find();
  memo.projectSymbol = found.symbol;
  return found;
}
