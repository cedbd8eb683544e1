#include "checks/IdentifierReuse.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "anlsrslt/include/P_DefineCodes.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "checks/SymbolDefines.h"
#include "checks/SymbolSweep.h"
#include "util/LargeBlocks.h"
#include "util/Prefetch.h"
#include "util/ProcessState.h"
#include "util/RadixSort.h"

namespace zum {

namespace {

// The kinds and scopes of a candidate: objects and functions (no members)
// at file, namespace or block scope (no parameters of prototypes).
constexpr bool isCandidateKindAndScope(P_DefineKind kind, P_Scope scope) {
  const bool objectOrFunction = kind == P_DefineKind::Variable || kind == P_DefineKind::Function;
  return objectOrFunction && (scope == P_Scope::File || scope == P_Scope::Namespace || scope == P_Scope::Block);
}

// isCandidateKindAndScope as a table, the scopes of each kind as bits: the
// walk asks it of every symbol, and most are turned away by it.
struct CandidateScopes {
  std::uint8_t ofKind[256] = {};
  constexpr CandidateScopes() {
    for (int kind = 0; kind < 256; ++kind)
      for (int scope = 0; scope < 8; ++scope)
        if (isCandidateKindAndScope(static_cast<P_DefineKind>(kind), static_cast<P_Scope>(scope)))
          ofKind[kind] = static_cast<std::uint8_t>(ofKind[kind] | (1u << scope));
  }
  bool test(const P_DefineCodes& is) const noexcept {
    const unsigned scope = static_cast<std::uint8_t>(is.scope);
    return scope < 8 && ((ofKind[static_cast<std::uint8_t>(is.kind)] >> scope) & 1u) != 0;
  }
};
constexpr CandidateScopes kCandidateScopes;

// An object or function of the project that is no template, no member and
// no parameter, at file, namespace or block scope (an implicit one only
// when it defines).
bool isCandidate(PI_DefineHandle define) {
  const P_DefineCodes is = P_getDefineCodes(define);
  if (!kCandidateScopes.test(is)) return false;  // isCandidateKindAndScope
  if (is.isFunctionParameter()) return false;
  if (is.isImplicit() && !is.isDefinition()) return false;
  return !PI_isTemplateOrSpecialisation(define);
}

enum Bucket : std::uint8_t { kUnnamed, kExternal, kInternal, kStatic, kAutomatic, kBucketCount };

// A candidate under its unqualified name, which is a view into its
// interned qualified name. `sequence` is its place in the walk over the
// symbols, the order a group lists its defines in. How it counts for its
// name is worked out while the walk holds its define in the caches, so
// that the groups are sorted without going back to their defines.
struct Named {
  const char* nameData;
  PI_DefineHandle define;
  std::uint32_t nameSize;
  std::uint32_t hash;
  std::uint32_t sequence;
  Bucket bucket;
  bool linkageOrStaticStorage;
  // A static inline function defined in a header: one function, however
  // many sources include the header.
  bool inlineHeaderDefinition;

  std::string_view name() const noexcept { return {nameData, nameSize}; }
  // Names in one interned qualified name are equal without a look at
  // their bytes.
  bool sameName(const Named& other) const noexcept {
    return (nameData == other.nameData && nameSize == other.nameSize) || name() == other.name();
  }
};

Named candidateOf(PI_DefineHandle define, std::uint32_t sequence, DefineNameCache& cache) {
  const P_DefineCodes is = P_getDefineCodes(define);
  const HashedName name = cache.unqualNameOnce(define);
  Named named{name.text.data(), define, static_cast<std::uint32_t>(name.text.size()), name.hash, sequence,
              kAutomatic, false, false};
  const bool external = is.hasExternalLinkage();
  const bool internal = is.hasInternalLinkage();
  const bool staticStorage = is.hasStaticStorage();
  named.linkageOrStaticStorage = external || internal || staticStorage;
  if (is.hasNamespaceScope() && P_getDefineQualIdentifier(define).view().starts_with("::@UN")) {
    named.bucket = kUnnamed;
  } else if (external) {
    named.bucket = kExternal;
  } else if (internal) {
    named.bucket = kInternal;
    named.inlineHeaderDefinition = is.isInline() && is.isDefinition() && PI_isDefineInHeader(define);
  } else if (staticStorage) {
    named.bucket = kStatic;
  }
  return named;
}

// The candidates grouped by unqualified name: sorted by a key from a hash of
// the name (stable, so each group keeps the order of the walk), then the
// names of a run of equal keys told apart.
class NameTable {
 public:
  void add(PI_DefineHandle define, DefineNameCache& cache) {
    named_.push_back(candidateOf(define, static_cast<std::uint32_t>(named_.size()), cache));
  }

  // Groups the names; then calls `visit(group)` for each name of two
  // candidates or more, in the order the names were first met.
  template <class Visit>
  void forEachSharedName(Visit visit) {
    radixSortStable(named_, &groupKey);
    for (std::size_t begin = 0, end; begin < named_.size(); begin = end) {
      const std::uint32_t key = groupKey(named_[begin]);
      for (end = begin + 1; end < named_.size() && groupKey(named_[end]) == key;) ++end;
      splitByName(begin, end);
    }
    radixSortStable(groups_, [](const Group& group) { return group.sequence; });
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      // A visit reads the defines of its group at once, and they lie
      // anywhere in the model: the first of them are asked for two groups
      // ahead, and their shapes one group ahead.
      if (g + 2 < groups_.size()) loadAhead(groups_[g + 2], &prefetchDefine);
      if (g + 1 < groups_.size()) loadAhead(groups_[g + 1], &P_prefetchDefineShape);
      const Group& group = groups_[g];
      visit(std::span<const Named>(named_.data() + group.begin, group.end - group.begin));
    }
  }

 private:
  // The top 22 bits of the hash: two passes of the radix sort instead of
  // three; the few names that share a key are told apart as any others.
  static std::uint32_t groupKey(const Named& named) noexcept { return named.hash >> 10; }

  struct Group {
    std::size_t begin;
    std::size_t end;
    std::uint32_t sequence;  // that of its first define
  };

  // A run of one key nearly always holds one name; when it holds more,
  // each name's defines are moved together, keeping their order. Only the
  // names of two candidates or more are kept as groups.
  void splitByName(std::size_t begin, std::size_t end) {
    while (begin < end) {
      const Named& first = named_[begin];
      const auto rest = std::stable_partition(named_.begin() + static_cast<std::ptrdiff_t>(begin + 1),
                                              named_.begin() + static_cast<std::ptrdiff_t>(end),
                                              [&first](const Named& named) { return named.sameName(first); });
      const auto split = static_cast<std::size_t>(rest - named_.begin());
      if (split - begin > 1) groups_.push_back({begin, split, named_[begin].sequence});
      begin = split;
    }
  }

  static void prefetchDefine(PI_DefineHandle define) { prefetch(define); }
  // The first defines of `group`, which its visit reads before it could
  // ask for them ahead.
  void loadAhead(const Group& group, void (*load)(PI_DefineHandle)) const {
    const std::size_t end = std::min(group.end, group.begin + 16);
    for (std::size_t i = group.begin; i < end; ++i) load(named_[i].define);
  }

  LargeVector<Named> named_;
  std::vector<Group> groups_;
};

struct IdentifierReuseState {
  NameTable names;
};

IdentifierReuseState& state() { return ProcessState::get<IdentifierReuseState>(); }

// Out of line, so that the walk over every symbol inlines only the
// candidate test, which turns most symbols away.
[[gnu::noinline]] void addCandidate(NameTable& names, PI_DefineHandle define, DefineNameCache& cache) {
  names.add(define, cache);
}

void visitSymbols(std::span<const SweptSymbol> symbols, DefineNameCache& cache) {
  NameTable& names = state().names;
  for (const SweptSymbol& swept : symbols)
    if (isCandidate(swept.current)) addCandidate(names, swept.current, cache);
}

using List = std::vector<M_ListedPlace>;

// The defines of one name sorted by linkage and storage. The 1594 entries
// of a bucket are made when a message first lists them. One is used for
// every name in turn, keeping the room of its lists.
class Buckets {
 public:
  // Sorts the defines of `group`, forgetting those of the name before.
  void sort(std::span<const Named> group) {
    linkageOrStaticStorage_ = false;
    for (std::vector<PI_DefineHandle>& defines : defines_) defines.clear();
    for (List& entries : entries_) entries.clear();
    messages_ = PlaceMessages(msg::kDeclaration);
    PlaceSet inlineHeaderDefinitions;
    for (const Named& named : group) {
      linkageOrStaticStorage_ = linkageOrStaticStorage_ || named.linkageOrStaticStorage;
      if (named.inlineHeaderDefinition && !inlineHeaderDefinitions.insert(named.define)) continue;
      defines_[named.bucket].push_back(named.define);
    }
  }

  // Whether one of the defines has linkage or static storage: a name used
  // only for automatic variables is no reuse.
  bool isReuse() const noexcept { return linkageOrStaticStorage_; }
  std::size_t size(Bucket bucket) const noexcept { return defines_[bucket].size(); }
  bool has(Bucket bucket) const noexcept { return !defines_[bucket].empty(); }

  const List& entries(Bucket bucket) {
    List& entries = entries_[bucket];
    const std::vector<PI_DefineHandle>& defines = defines_[bucket];
    if (entries.empty()) {
      // The defines of a name lie anywhere in the model: each is asked for
      // two steps ahead, its shape one.
      for (std::size_t i = 0; i < defines.size(); ++i) {
        if (i + 16 < defines.size()) prefetch(defines[i + 16]);
        if (i + 8 < defines.size()) P_prefetchDefineShape(defines[i + 8]);
        entries.push_back(messages_.at(defines[i], P_getDefineQualIdentifier(defines[i])));
      }
    }
    return entries;
  }

 private:
  bool linkageOrStaticStorage_ = false;
  std::array<std::vector<PI_DefineHandle>, kBucketCount> defines_;
  std::array<List, kBucketCount> entries_;
  PlaceMessages messages_{msg::kDeclaration};
};

void raise(int messageNumber, Buckets& buckets, std::initializer_list<Bucket> parts) {
  List list;
  for (Bucket part : parts) {
    const List& entries = buckets.entries(part);
    list.insert(list.end(), entries.begin(), entries.end());
  }
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(messageNumber, projectLocation());
  addPlaceList(*diagnostic, std::move(list));
  report(*diagnostic);
}

void reportGroup(Buckets& b) {
  const bool noLinkage = b.has(kStatic) || b.has(kAutomatic);
  if (b.has(kUnnamed) && b.has(kInternal)) raise(msg::kUnnamedNamespaceAndInternal, b, {kUnnamed, kInternal});
  if (b.has(kUnnamed) && noLinkage) raise(msg::kUnnamedNamespaceAndNoLinkage, b, {kUnnamed, kStatic, kAutomatic});
  if (b.has(kExternal) && b.has(kInternal)) raise(msg::kExternalAndInternal, b, {kExternal, kInternal});
  if (b.has(kExternal) && noLinkage) raise(msg::kExternalAndNoLinkage, b, {kExternal, kStatic, kAutomatic});
  if (b.size(kInternal) > 1) raise(msg::kInternalTwice, b, {kInternal});
  if (b.has(kInternal) && noLinkage) raise(msg::kInternalAndNoLinkage, b, {kInternal, kStatic, kAutomatic});
  if (b.has(kStatic) && (b.has(kAutomatic) || b.size(kStatic) > 1))
    raise(msg::kStaticAndLocal, b, {kStatic, kAutomatic});
}

void checkIdentifierReuse() {
  sweepSymbols();
  Buckets buckets;
  state().names.forEachSharedName([&buckets](std::span<const Named> group) {
    buckets.sort(group);
    if (buckets.isReuse()) reportGroup(buckets);
  });
}

}  // namespace

void configureIdentifierReuse() {
  PI_configureOnAllDefine(&checkIdentifierReuse);
  addSymbolBatchVisitor(&visitSymbols);
}

}  // namespace zum
