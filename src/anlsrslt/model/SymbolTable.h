// The project symbol table: merges the defines of all sources into symbols.
//
// Two name maps decide where a define goes. The project map holds the
// symbols of external-linkage declarations for the whole run; the
// per-source map holds every name the current source declared and is
// emptied when the next metric file starts. So a definition finds its
// symbol only through a declaration of its own source, and only external
// names meet across sources.
#pragma once

#include <cstdint>
#include <vector>

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/Symbol.h"
#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/FlatMap.h"

// What filing a define did; the reader raises the event of the status.
enum class P_InsertStatus : std::uint8_t {
  NewSymbol = 0,             // OnNewSymbol
  ProjectRedeclaration = 2,  // OnProjRedecl: an external name another source declared
  Redeclaration = 3,         // an "R" define, filed under the define it redeclares
  Definition = 4,            // OnDefinition
  MarksOnly = 5,             // neither declaration, definition nor redeclaration: not filed
};

struct P_InsertResult {
  P_InsertStatus status;
  P_Symbol* symbol;
};

class P_SymbolTable {
 public:
  P_SymbolTable() = default;
  P_SymbolTable(const P_SymbolTable&) = delete;
  P_SymbolTable& operator=(const P_SymbolTable&) = delete;

  // Shapes and defines live as long as the table; the pointers stay valid
  // for the run.
  const P_DefineShape* makeShape(const P_DefineShape& shape) { return shapes_.make(shape); }
  P_Define* makeDefine(const P_DefineShape* shape) { return defines_.make(shape); }

  // Files `def` (and may fix its define bits first). `reportMissing` is the
  // "show-symbol-errors" switch: a repaired definition is reported.
  P_InsertResult insert(P_Define* def, bool reportMissing);

  // Start of a metric file: O(1), whatever the last source put in.
  void beginSource() noexcept {
    sourceMap_.clear();
    ++sourceGeneration_;
  }
  // Changes whenever the per-source map may answer differently, so a reader
  // may keep a name it resolved for as long as this stays the same.
  std::uint64_t sourceGeneration() const noexcept { return sourceGeneration_; }

  // The symbol the current source declared under `key` (the pointer of an
  // interned symbol key, see keyOf and findKeyOf), or null.
  P_Symbol* findInSource(const char* key) const noexcept {
    P_Symbol* const* found = sourceMap_.find(key);
    return found ? *found : nullptr;
  }
  P_Symbol* findInProject(const char* key) const noexcept {
    P_Symbol* const* found = projectMap_.find(key);
    return found ? *found : nullptr;
  }

  // All symbols in creation order (a symbol's serial is its index here).
  const zum::ObjectPool<P_Symbol>& symbols() const noexcept { return symbolPool_; }

  // The defines that redeclare `def` (filed with "R"), or null when none.
  const std::vector<P_Define*>* redeclarationsOf(const P_Symbol* symbol, const P_Define* def) const noexcept;

  // The key under which a marked qualified name is filed: the name without
  // a trailing template argument list, interned.
  static U_Identifier keyOf(U_Identifier qualName);
  // The same for a name that is only looked up: the pointer of the key when
  // it was ever interned, else null (and then nothing is filed under it).
  static const char* findKeyOf(std::string_view markedName) noexcept;

  std::size_t defineCount() const noexcept { return defines_.size(); }

 private:
  P_Symbol* newSymbol(P_Define* def);
  P_InsertResult fileDeclaration(P_Define* def, U_Identifier key);
  // The project map's symbol of `key`, made for `def` when missing.
  P_InsertResult projectEntry(P_Define* def, U_Identifier key);
  void addRedeclaration(P_Symbol* symbol, P_Define* redeclared, P_Define* def);

  struct RedeclEntry {
    const P_Symbol* symbol = nullptr;
    std::uint32_t list = 0;
  };

  zum::ObjectPool<P_DefineShape> shapes_;
  zum::ObjectPool<P_Define> defines_;
  zum::ObjectPool<P_Symbol> symbolPool_;
  zum::FlatMap<const char*, P_Symbol*> projectMap_;
  zum::FlatMap<const char*, P_Symbol*> sourceMap_;
  std::uint64_t sourceGeneration_ = 0;
  // Redeclarations are rare; keeping them beside the symbols keeps every
  // symbol a pointer smaller.
  zum::FlatMap<const P_Define*, RedeclEntry> redeclIndex_;
  std::vector<std::vector<P_Define*>> redeclLists_;
};

// The run's table.
P_SymbolTable& P_symbolTable();
