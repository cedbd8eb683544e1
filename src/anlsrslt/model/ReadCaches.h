// The speed work of the record readers, kept apart from what the records
// mean. Each helper gives exactly the answer of the rule it stands in for;
// sanitizer builds check every answer against a fresh computation
// (util/Memo.h), and under the debug switch "no-read-caches" each helper
// computes its answer afresh.
//
// What each one assumes:
// - Header shapes (P_defineShapeOf): the decoding of a DEFINE line depends
//   on nothing but its bytes, so a line of an included file, which repeats
//   in every source that includes it, is decoded once and its shape found
//   again by the line's bytes (impl/LineCache.h). Lines of the source's
//   own file are not kept.
// - Name keys (P_symbolKeyOfName): marking a name depends on its text
//   alone, and an interned key never goes away, so a raw name whose marked
//   form is its own key finds the key by its raw bytes.
// - Relation object (P_resolveRelationObject): the relations of one
//   function follow each other and all name it; its resolution holds while
//   the per-source map is unchanged (the symbol table's source generation).
// - Short fields and file fields (P_internShortField, P_internFileField,
//   P_internMetricValue): a type, suffix, file name or metric value mostly
//   repeats one of the last few, or is a short number; the store gives an
//   equal text the same pointer anyway.
// - Name fields (P_internNameField): as for the name keys; the name of a
//   metric group is that of a function whose relations came before it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/impl/LineCache.h"
#include "anlsrslt/model/impl/NumberInterns.h"
#include "anlsrslt/model/impl/RecentInterns.h"
#include "options/RunSettings.h"
#include "util/Memo.h"
#include "util/StringStore.h"

class P_Symbol;
struct P_ReadContext;
struct P_ResolvedName;

// A header line's shape is fetched two lines ahead, and the project symbol
// its defines are filed under one line ahead.
struct P_ProjectSymbolHint : zum::ChainWithoutHint {
  static const void* hint(const P_DefineShape* shape) noexcept { return shape->memo.projectSymbol; }
};

struct P_ReadCaches {
  zum::RecentInterns<8> recentTexts;
  zum::LineCache<const P_DefineShape*, 272, 14, P_ProjectSymbolHint> headerShapes;
  zum::LineCache<const char*, 64, 12, zum::Unchained> nameKeys;

  struct RelationObject {
    std::string raw;
    std::uint64_t generation = 0;
    bool valid = false;
    P_Symbol* symbol = nullptr;
    const char* key = nullptr;
  } relationObject;

  std::string lastFileText;
  U_Filename lastFile;
};

// The shape of a DEFINE line, or null when the line is malformed or when
// `filed` is false (then the line is still decoded: its names are interned,
// which fixes their identity order). Shapes are made in the symbol table of
// the context.
const P_DefineShape* P_defineShapeOf(std::string_view line, P_ReadContext& context, bool filed);

// The interned symbol key of the name field `raw`, or null; the marked name
// is left in `marked`.
const char* P_symbolKeyOfName(std::string_view raw, std::string& marked);

// The object name of a relation line looked up in the per-source map; its
// marked form is left in `marked`, which the caller keeps between lines.
P_ResolvedName P_resolveRelationObject(std::string_view raw, std::string& marked);

// The interned marked form of the name field `raw`, as
// P_ReadContext::internName gives it, found through the name keys when the
// name is its own key.
U_Identifier P_internNameField(std::string_view raw);

// The interned text of a metric value: a short number by its digits, any
// other through the recent values.
const char* P_internMetricValue(zum::NumberInterns& numbers, zum::RecentInterns<8>& recent, std::string_view text);

// Interned texts of short fields (types, suffixes) and of file fields.
const char* P_internShortField(std::string_view text);
// The same with a set of recent texts of the caller's.
template <std::size_t kEntries>
const char* P_internRecent(zum::RecentInterns<kEntries>& recent, std::string_view text);
U_Filename P_internFileField(std::string_view text);

// Forgets what held for the last metric file only.
void P_beginCachedFile(P_ReadCaches& caches);

template <std::size_t kEntries>
const char* P_internRecent(zum::RecentInterns<kEntries>& recent, std::string_view text) {
  auto& store = U_SingletonStringStore<SimpleStringCompare>::instance();
  if (!C_readCachesOn()) return store.intern(text);
  const char* interned = recent.intern(text);
  if constexpr (zum::kCheckMemos) zum::checkMemo(store.find(text) == interned, "RecentInterns");
  return interned;
}
