// What the record readers of the current metric file share: the symbol
// table context, the debug switches (read once per file, not per record)
// and scratch buffers reused from line to line.
#pragma once

#include <string>
#include <string_view>

#include "util/StringStore.h"

class P_SymbolTable;

struct P_ReadContext {
  // Set at the start of each metric file; the DEFINE reader requires it.
  P_SymbolTable* symbolTable = nullptr;

  bool showSymbolErrors = false;
  bool showRelationErrors = false;
  bool showExtvErrors = false;

  std::string nameScratch;
  std::string keyScratch;

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
  // Marks `raw` and finds the symbol the current source declared under it.
  class P_Symbol* findSymbolInSource(std::string_view raw);
};

P_ReadContext& P_readContext();

// Sets up the context for a new metric file (switches, symbol table).
void P_beginMetricFile();
