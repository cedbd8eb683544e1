// Extern variables a source uses ("<EXTV>" records): the object uses the
// extern variable that is the subject.
#pragma once

#include <string_view>
#include <vector>

#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/FlatMap.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_Symbol;

class P_ExternVar final : public U_Ref {
 public:
  // The names are interned texts.
  P_ExternVar(const char* object, const char* subject, int line, P_Symbol* objectSymbol, P_Symbol* subjectSymbol)
      : object_(object), subject_(subject), line_(line), objectSymbol_(objectSymbol), subjectSymbol_(subjectSymbol) {}

  const char* object() const noexcept { return object_; }
  const char* subject() const noexcept { return subject_; }
  int line() const noexcept { return line_; }
  P_Symbol* objectSymbol() const noexcept { return objectSymbol_; }
  P_Symbol* subjectSymbol() const noexcept { return subjectSymbol_; }

 private:
  const char* object_;
  const char* subject_;
  int line_;
  P_Symbol* objectSymbol_;
  P_Symbol* subjectSymbol_;
};

class P_ExternVarStore {
 public:
  void add(P_ExternVar* record);
  // Grouped by object name (identity order), reading order within a group.
  const std::vector<P_ExternVar*>& grouped();
  bool isSubject(const P_Symbol* symbol) const noexcept { return subjects_.contains(symbol); }
  zum::ObjectPool<P_ExternVar>& pool() noexcept { return pool_; }

 private:
  zum::ObjectPool<P_ExternVar> pool_;
  std::vector<P_ExternVar*> records_;
  bool grouped_ = true;
  zum::FlatMap<const P_Symbol*, bool> subjects_;
};

P_ExternVarStore& P_externVarStore();

// Registered for the tag "EXTV".
void P_readExternVarRecord(std::string_view line);
