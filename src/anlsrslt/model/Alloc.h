// Allocations ("<ALLOC>" records): where memory is allocated for what.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_Symbol;

enum class P_AllocKind : std::uint8_t { Plain = 0, Array = 1, Old = 2, Unknown = 3 };

class P_Alloc final : public U_Ref {
 public:
  // The name is interned text.
  P_Alloc(const char* name, P_AllocKind kind, U_Filename file, int line, int column, P_Symbol* symbol)
      : name_(name), kind_(kind), line_(line), column_(column), file_(file), symbol_(symbol) {}

  const char* name() const noexcept { return name_; }
  P_AllocKind kind() const noexcept { return kind_; }
  U_Filename file() const noexcept { return file_; }
  int line() const noexcept { return line_; }
  int column() const noexcept { return column_; }
  P_Symbol* symbol() const noexcept { return symbol_; }

 private:
  const char* name_;
  P_AllocKind kind_;
  int line_;
  int column_;
  U_Filename file_;
  P_Symbol* symbol_;
};

struct P_AllocStore {
  zum::ObjectPool<P_Alloc> pool;
  std::vector<P_Alloc*> records;
};

P_AllocStore& P_allocStore();

P_AllocKind P_allocKindOf(std::string_view text) noexcept;

// Registered for the tag "ALLOC".
void P_readAllocRecord(std::string_view line);
