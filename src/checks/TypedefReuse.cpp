// Messages 1506 to 1508: a typedef name that is reused, by another kind of
// define (1506), by typedefs of several types (1507) or by typedefs of one
// type at several places (1508).
#include <algorithm>
#include <bitset>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/MessageNumbers.h"
#include "checks/Redeclarations.h"
#include "checks/Reporting.h"
#include "checks/SymbolDefines.h"
#include "checks/SymbolSweep.h"
#include "options/RunSettings.h"
#include "util/FlatMap.h"
#include "util/InternedNumbers.h"
#include "util/LargeBlocks.h"
#include "util/Memo.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace zum {

namespace {

// Defines in the order they came, each place kept once when it comes
// again right after itself: a header's define comes back at its one place
// from every source that includes the header, and the lists made from
// here name the first define of each place only.
class DefinesByPlace {
 public:
  void add(PI_DefineHandle define) {
    const DefinePlace place = DefinePlace::of(define);
    if (!defines_.empty() && place == last_) return;
    last_ = place;
    defines_.push_back(define);
  }
  const std::vector<PI_DefineHandle>& defines() const noexcept { return defines_; }
  std::size_t size() const noexcept { return defines_.size(); }
  bool empty() const noexcept { return defines_.empty(); }

 private:
  std::vector<PI_DefineHandle> defines_;
  DefinePlace last_{nullptr, 0};
};

// Everything met under one typedef name. A define may stand here more than
// once (as a typedef that was declared, and again as a define of a symbol
// of that name); the lists made from an entry name each place once.
class Entry {
 public:
  explicit Entry(std::string_view identifier) : identifier_(identifier) {}

  void add(PI_DefineHandle define) {
    if (!PI_isDefineTypedef(define)) {
      others_.add(define);
      return;
    }
    // The typedefs of a name are nearly always of one type.
    const char* type = PI_getDefineType(define);
    if (types_.empty() || types_[lastType_].type != type) {
      auto [at, isNew] = typeIndex_.try_emplace(type, types_.size());
      if (isNew) types_.push_back({type, {}});
      lastType_ = at->second;
    }
    types_[lastType_].typedefs.add(define);
  }

  std::string_view identifier() const noexcept { return identifier_; }
  std::size_t count() const noexcept {
    std::size_t defines = others_.size();
    for (const TypeGroup& group : types_) defines += group.typedefs.size();
    return defines;
  }
  void report() const;

 private:
  struct TypeGroup {
    const char* type;  // interned
    DefinesByPlace typedefs;
  };
  std::string_view identifier_;
  DefinesByPlace others_;        // defines that are no typedefs
  std::vector<TypeGroup> types_;  // in the order the types were met
  std::unordered_map<const char*, std::size_t> typeIndex_;
  std::size_t lastType_ = 0;
};

struct TypedefReuseState {
  // Typedef names, by their text (a view into an interned qualified name).
  std::unordered_map<std::string_view, std::size_t> byIdentifier;
  std::vector<Entry> entries;  // in the order the names were met
  // The hashes of the typedef names, so that most of the millions of other
  // names are turned away without a look-up.
  std::bitset<std::size_t(1) << 16> hashes;
  // Most of the rest by the ends of their qualified names, before those
  // are taken apart.
  IdentifierEndFilter ends;
  // A header's typedef comes back from every source that includes it: its
  // entry is found again by the interned qualified name, without taking
  // the name apart.
  FlatMap<const char*, std::size_t> entryOfName;
  // The walk's answers by qualified name (see answerOfName).
  InternedNumbers answerOfName{C_readCachesOn()};
  // The typedefs noted while the sources are read, in order, not yet in
  // their entries: between two typedefs the reading passes megabytes of
  // text and tables, and would find the entries gone from the caches.
  LargeVector<PI_DefineHandle> pending;
};

TypedefReuseState& state() { return ProcessState::get<TypedefReuseState>(); }

std::size_t entryOfIdentifier(TypedefReuseState& table, std::string_view identifier) {
  auto [at, isNew] = table.byIdentifier.try_emplace(identifier, table.entries.size());
  if (isNew) {
    table.entries.emplace_back(identifier);
    table.hashes.set(nameHash(identifier) & 0xFFFF);
    table.ends.add(identifier);
  }
  return at->second;
}

// The entry of a typedef's name; a qualified name has one identifier.
std::size_t entryOfTypedef(TypedefReuseState& table, PI_DefineHandle define) {
  if (!C_readCachesOn()) return entryOfIdentifier(table, P_getDefineNameTexts(define).identifier);
  const char* name = PI_getDefineQualName(define);
  auto [entry, isNew] = table.entryOfName.tryEmplace(name);
  if (isNew) {
    *entry = entryOfIdentifier(table, P_getDefineNameTexts(define).identifier);
  } else if constexpr (kCheckMemos) {
    checkMemo(table.entries[*entry].identifier() == P_getDefineNameTexts(define).identifier, "TypedefNames");
  }
  return *entry;
}

void noteTypedef(PI_DefineHandle define) { state().pending.push_back(define); }

// Puts the typedefs noted so far into their entries, in the order they were
// noted; before anything asks the entries.
void enterPending(TypedefReuseState& table) {
  const std::span<const PI_DefineHandle> pending(table.pending);
  for (std::size_t i = 0; i < pending.size(); ++i) {
    loadAhead(pending, i);
    table.entries[entryOfTypedef(table, pending[i])].add(pending[i]);
  }
  table.pending.clear();
}

// A symbol made for a typedef is marked: while it holds that one define,
// the walk has nothing to add from it.
void noteNewTypedef(PI_SymbolHandle symbol, PI_DefineHandle define) {
  noteTypedef(define);
  P_setSymbolMark(symbol, P_kTypedefNoted);
}

void noteTypedefRedeclaration(PI_SymbolHandle, PI_DefineHandle define) { noteTypedef(define); }

// The entry whose name `current`'s identifier is; none for most names.
// Most are turned away by the end of their name, most others by the hash
// of their identifier.
const Entry* typedefEntryOf(TypedefReuseState& table, PI_DefineHandle current, DefineNameCache& cache) {
  if (!table.ends.mayMatch(P_getDefineQualIdentifier(current).view())) return nullptr;
  const HashedName identifier = cache.identifierOnce(current);
  if (!table.hashes.test(identifier.hash & 0xFFFF)) return nullptr;
  const auto found = table.byIdentifier.find(identifier.text);
  return found == table.byIdentifier.end() ? nullptr : &table.entries[found->second];
}

constexpr std::uint32_t kNoEntry = 1;

// The symbols of one name come back many times (1.8 million symbols, 146,000
// names in a 1,000-source project): the answer is worked out once per name
// and kept as 1 for none, the entry's index plus 2 for an entry.
// Out of line, so that the walk over every symbol inlines only the look-up
// of the kept answer.
[[gnu::noinline]] std::uint32_t answerOfName(TypedefReuseState& table, PI_DefineHandle current, DefineNameCache& cache) {
  const Entry* entry = typedefEntryOf(table, current, cache);
  const std::uint32_t answer = entry ? static_cast<std::uint32_t>(entry - table.entries.data()) + 2 : kNoEntry;
  table.answerOfName.set(P_getDefineQualIdentifier(current).pointer(), answer);
  return answer;
}

[[gnu::noinline]] void joinEntry(Entry& entry, PI_SymbolHandle symbol) {
  const std::span<const PI_DefineHandle> defines = definesOf(symbol);
  // A typedef's own symbol (most of those that come here) adds again only
  // the define it was noted with, which changes no list: it is left out
  // unless the read caches are off.
  if (defines.size() == 1 && P_hasSymbolMark(symbol, P_kTypedefNoted) && C_readCachesOn()) return;
  for (std::size_t i = 0; i < defines.size(); ++i) {
    loadAhead(defines, i);
    entry.add(defines[i]);
  }
}

// Every define of a symbol whose name is a typedef name joins its entry.
void visitSymbols(std::span<const SweptSymbol> symbols, DefineNameCache& cache) {
  TypedefReuseState& table = state();
  if (!table.pending.empty()) enterPending(table);
  if (table.entries.empty()) return;
  // Nearly every symbol is turned away by the kept answer of its name, in a
  // loop that keeps the answers' table in registers.
  InternedNumbers::View answers = table.answerOfName.view();
  for (const SweptSymbol& swept : symbols) {
    std::uint32_t answer = answers.get(P_getDefineQualIdentifier(swept.current).pointer());
    if (answer == kNoEntry && !kCheckMemos) continue;
    if (answer == 0) {
      answer = answerOfName(table, swept.current, cache);
      answers = table.answerOfName.view();
    } else if constexpr (kCheckMemos) {
      const Entry* entry = typedefEntryOf(table, swept.current, cache);
      checkMemo(answer == (entry ? static_cast<std::uint32_t>(entry - table.entries.data()) + 2 : kNoEntry),
                "TypedefAnswers");
    }
    if (answer > 1) joinEntry(table.entries[answer - 2], swept.symbol);
  }
}

// One 1581 per place, in the order of the defines.
void appendListed(const std::vector<PI_DefineHandle>& defines, std::vector<U_Handle<M_Diagnostic>>& list) {
  PlaceSet places;
  for (PI_DefineHandle define : defines)
    if (places.insert(define)) list.push_back(listedDefineMessage(define));
}

void raise(int messageNumber, std::string_view identifier, std::vector<U_Handle<M_Diagnostic>> list) {
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(messageNumber, projectLocation());
  diagnostic->addString(std::string(identifier));
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

void Entry::report() const {
  // Types in identity order.
  std::vector<const TypeGroup*> byType;
  for (const TypeGroup& group : types_) byType.push_back(&group);
  std::sort(byType.begin(), byType.end(), [](const TypeGroup* a, const TypeGroup* b) {
    return U_Identifier::fromStored(a->type) < U_Identifier::fromStored(b->type);
  });
  std::vector<U_Handle<M_Diagnostic>> allTypedefs;
  for (const TypeGroup* group : byType) {
    std::vector<U_Handle<M_Diagnostic>> list;
    appendListed(group->typedefs.defines(), list);
    if (list.size() > 1) raise(msg::kTypedefNameRepeated, identifier_, list);
    allTypedefs.insert(allTypedefs.end(), list.begin(), list.end());
  }
  if (byType.size() >= 2 && allTypedefs.size() >= 2) raise(msg::kTypedefNameReusedForTypes, identifier_, allTypedefs);
  if (others_.empty()) return;
  std::vector<U_Handle<M_Diagnostic>> list;
  appendListed(others_.defines(), list);
  list.insert(list.end(), allTypedefs.begin(), allTypedefs.end());
  if (list.size() > 1) raise(msg::kTypedefNameReused, identifier_, std::move(list));
}

void checkTypedefReuse() {
  sweepSymbols();
  TypedefReuseState& table = state();
  if (!table.pending.empty()) enterPending(table);
  for (const Entry& entry : table.entries)
    if (entry.count() > 1) entry.report();
}

}  // namespace

void configureTypedefReuse() {
  P_configureOnNewTypedefSymbol(&noteNewTypedef);
  P_configureOnTypedefProjRedecl(&noteTypedefRedeclaration);
  PI_configureOnAllDefine(&checkTypedefReuse);
  addSymbolBatchVisitor(&visitSymbols);
}

}  // namespace zum
