// What the record readers of the current metric file share: the symbol
// table context and scratch buffers reused from line to line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/impl/LineCache.h"
#include "anlsrslt/model/impl/RecentInterns.h"
#include "util/StringStore.h"

class P_Symbol;
class P_SymbolTable;

// A header line's shape is fetched two lines ahead, and the project symbol
// its defines are filed under one line ahead.
struct P_ProjectSymbolHint : zum::ChainWithoutHint {
  static const void* hint(const P_DefineShape* shape) noexcept { return shape->memo.projectSymbol; }
};

struct P_ReadContext {
  // Set at the start of each metric file; the DEFINE reader requires it.
  P_SymbolTable* symbolTable = nullptr;

  // Types, suffixes and the like repeat from line to line.
  zum::RecentInterns<8> recentTexts;
  // The declarations of headers repeat from source to source, line for
  // line, and the defines of one line share its shape.
  zum::LineCache<const P_DefineShape*, 272, 14, P_ProjectSymbolHint> headerDefines;
  // Name fields whose marked form is its own symbol key, by their raw text:
  // the key is found without marking the name or probing the store.
  zum::LineCache<const char*, 64, 12, zum::Unchained> nameKeys;

  std::string nameScratch;
  std::string keyScratch;

  // The object of the last relation: the relations of one function follow
  // each other and all name it. Valid while the per-source map is unchanged.
  struct RecentRelationObject {
    std::string raw;
    std::string marked;
    std::uint64_t generation = 0;
    bool valid = false;
    P_Symbol* symbol = nullptr;
    const char* key = nullptr;
  } recentObject;

  // Consecutive records of a source mostly name the same file; comparing
  // with the last one is cheaper than a case-folding hash.
  std::string lastFileText;
  U_Filename lastFile;

  U_Filename internFile(std::string_view text) {
    if (lastFile.isSet() && text == std::string_view(lastFileText)) return lastFile;
    lastFileText.assign(text);
    lastFile = U_Filename(text);
    return lastFile;
  }

  // Marks the name field `raw` and interns it.
  U_Identifier internName(std::string_view raw);
};

// A name field looked up in the per-source map.
struct P_ResolvedName {
  P_Symbol* symbol = nullptr;
  const char* key = nullptr;  // the interned symbol key, when there is one
};

// Marks `raw` into `scratch` and finds the symbol the current source
// declared under the name's key. Nothing is interned: a name whose key was
// never interned cannot have a symbol.
P_ResolvedName P_resolveInSource(std::string_view raw, std::string& scratch);

// The interned marked name left in `scratch` by P_resolveInSource. Most
// names are their own key, which is interned already.
const char* P_internResolvedName(const std::string& scratch, const char* key);

P_ReadContext& P_readContext();

// Sets up the context for a new metric file.
void P_beginMetricFile();
