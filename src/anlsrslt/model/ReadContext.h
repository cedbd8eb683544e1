// What the record readers of the current metric file share: the symbol
// table context, the read caches and scratch buffers reused from line to
// line.
#pragma once

#include <string>
#include <string_view>

#include "anlsrslt/model/ReadCaches.h"
#include "util/StringStore.h"

class P_Symbol;
class P_SymbolTable;

struct P_ReadContext {
  // Set at the start of each metric file; the DEFINE reader requires it.
  P_SymbolTable* symbolTable = nullptr;

  P_ReadCaches caches;

  std::string nameScratch;
  std::string keyScratch;
  std::string objectScratch;  // the marked object name of the last relation

  // Marks the name field `raw` and interns it.
  U_Identifier internName(std::string_view raw);
};

// A name field looked up in the per-source map.
struct P_ResolvedName {
  P_Symbol* symbol = nullptr;
  const char* key = nullptr;  // the interned symbol key, when there is one
};

// Marks `raw` into `marked` and gives the symbol key of the marked name if
// it was ever interned, else null: nothing is interned, and a name whose
// key was never interned cannot have a symbol.
const char* P_markAndFindKey(std::string_view raw, std::string& marked);

// Marks `raw` into `scratch` and finds the symbol the current source
// declared under the name's key.
P_ResolvedName P_resolveInSource(std::string_view raw, std::string& scratch);

// The interned marked name left in `scratch` by P_resolveInSource. Most
// names are their own key, which is interned already.
const char* P_internResolvedName(const std::string& scratch, const char* key);

P_ReadContext& P_readContext();

// Sets up the context for a new metric file.
void P_beginMetricFile();
