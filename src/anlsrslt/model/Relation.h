// Relations between symbols ("<R>" records) and include relations ("<R>I").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "anlsrslt/model/impl/ObjectPool.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_Symbol;

// The kinds a module can ask for, in the order of their need bits.
enum class P_RelationKind : std::uint8_t { Calls, Refers, Base, ClsMbr, ClsMbrRef, ClsMbrPtr };
constexpr int P_kRelationKinds = 6;

enum P_RelationFlag : std::uint8_t {
  P_RelationRead = 1,
  P_RelationWrite = 2,
  P_RelationVirtual = 4,
};

// The object stands in the relation to the subject: in a "C" record the
// object calls the subject, in a "B" record the object is the base class
// of the subject. Relations, like the other pooled records, are destroyed
// by their store's pool alone and carry no reference count.
class P_Relation final {
 public:
  // The names are interned texts.
  P_Relation(P_RelationKind kind, const char* object, const char* subject, int line, P_Symbol* objectSymbol,
             P_Symbol* subjectSymbol, std::uint8_t flags);

  const char* object() const noexcept { return object_; }
  const char* subject() const noexcept { return subject_; }
  int line() const noexcept { return line_; }
  P_Symbol* objectSymbol() const noexcept { return objectSymbol_; }
  P_Symbol* subjectSymbol() const noexcept { return subjectSymbol_; }
  std::uint8_t flags() const noexcept { return flags_; }
  P_RelationKind kind() const noexcept { return kind_; }

 private:
  const char* object_;
  const char* subject_;
  P_Symbol* objectSymbol_;
  P_Symbol* subjectSymbol_;
  int line_;
  std::uint8_t flags_;
  P_RelationKind kind_;
};

// The object file includes the subject file at `line`.
class P_RelationInclude final {
 public:
  P_RelationInclude(U_Filename object, U_Filename subject, int line) : object_(object), subject_(subject), line_(line) {}
  U_Filename object() const noexcept { return object_; }
  U_Filename subject() const noexcept { return subject_; }
  int line() const noexcept { return line_; }

 private:
  U_Filename object_;
  U_Filename subject_;
  int line_;
};


class P_RelationStore {
 public:
  // Keeps a relation made in the pool (every kept relation is made there,
  // in reading order).
  void add(P_Relation* relation);
  // The kept relations of `kind`, grouped by object name ("X": by subject
  // name) in identity order of the names, reading order within a group.
  const std::vector<P_Relation*>& grouped(P_RelationKind kind);

  void addInclude(P_RelationInclude* include);
  // The kept include relations, ordered by (identity order of) the object
  // file, reading order within one file.
  const std::vector<P_RelationInclude*>& includes();

  zum::ObjectPool<P_Relation>& relationPool() noexcept { return relationPool_; }
  zum::ObjectPool<P_RelationInclude>& includePool() noexcept { return includePool_; }

 private:
  zum::ObjectPool<P_Relation> relationPool_;
  zum::ObjectPool<P_RelationInclude> includePool_;
  // The serial of the name each relation is grouped by (the subject for
  // refers, else the object), by pool index.
  zum::ObjectPool<std::uint32_t, 16384> groupSerials_;
  std::size_t kindCounts_[P_kRelationKinds] = {};
  std::vector<P_Relation*> grouped_[P_kRelationKinds];
  bool isGrouped_[P_kRelationKinds] = {true, true, true, true, true, true};
  std::vector<P_RelationInclude*> includes_;
  bool includesOrdered_ = true;
};

P_RelationStore& P_relationStore();

// Registered for the tag "R".
void P_readRelationRecord(std::string_view line);
// The include handler behind PI_configureNeedRelationInclude.
void P_keepRelationInclude(P_RelationInclude* include);
