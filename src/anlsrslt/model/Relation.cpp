#include "anlsrslt/model/Relation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/RunSettings.h"
#include "util/Assert.h"
#include "util/ProcessState.h"
#include "util/RadixSort.h"

P_RelationStore& P_relationStore() { return zum::ProcessState::get<P_RelationStore>(); }

P_Relation::P_Relation(P_RelationKind kind, const char* object, const char* subject, int line,
                       P_Symbol* objectSymbol, P_Symbol* subjectSymbol, std::uint8_t flags)
    : object_(object),
      subject_(subject),
      objectSymbol_(objectSymbol),
      subjectSymbol_(subjectSymbol),
      line_(line),
      flags_(flags),
      kind_(kind) {
  U_require(object_ != nullptr, "P_Relation", __LINE__, "m_object.isSet () && \"Null string for object.\"");
  U_require(subject_ != nullptr, "P_Relation", __LINE__, "m_subject.isSet () && \"Null string for subject.\"");
  U_require(objectSymbol_ != nullptr, "P_Relation", __LINE__,
            "m_objectSymbol.isSet () && \"No define record for object.\"");
  U_require(subjectSymbol_ != nullptr, "P_Relation", __LINE__,
            "m_subjectSymbol.isSet () && \"No define record for subject.\"");
}

void P_RelationStore::add(P_Relation* relation) {
  const auto index = static_cast<std::size_t>(relation->kind());
  U_require(relationPool_.size() == groupSerials_.size() + 1 && relation == relationPool_[groupSerials_.size()],
            "P_Relation", __LINE__, "relation == relationPool_.last ()");
  isGrouped_[index] = false;
  ++kindCounts_[index];
  // The name's header was just read to resolve it; at the end of the run
  // it would be a cache miss per relation.
  const bool bySubject = relation->kind() == P_RelationKind::Refers;
  groupSerials_.make(zum::intern::header(bySubject ? relation->subject() : relation->object()).serial);
  if (bySubject) relation->subjectSymbol()->markRefersSubject();
}

const std::vector<P_Relation*>& P_RelationStore::grouped(P_RelationKind kind) {
  auto index = static_cast<std::size_t>(kind);
  std::vector<P_Relation*>& relations = grouped_[index];
  if (!isGrouped_[index]) {
    // Grouped when somebody walks them, which is at the end of the run,
    // from the pool, which holds every kept relation in reading order:
    // (name serial, pool index) keys, made in index order and sorted
    // stably by serial, keep reading order within a group.
    U_require(relationPool_.size() <= UINT32_MAX, "P_Relation", __LINE__, "relations.size () <= UINT32_MAX");
    zum::LargeVector<std::uint64_t> keys;
    keys.reserve(kindCounts_[index]);
    for (std::size_t i = 0; i < relationPool_.size(); ++i) {
      if (relationPool_[i]->kind() == kind) keys.push_back(std::uint64_t(*groupSerials_[i]) << 32 | i);
    }
    zum::radixSortStable(keys, [](std::uint64_t key) { return static_cast<std::uint32_t>(key >> 32); });
    relations.clear();
    relations.reserve(keys.size());
    for (std::uint64_t key : keys) relations.push_back(relationPool_[key & 0xFFFFFFFFu]);
    isGrouped_[index] = true;
  }
  return relations;
}

void P_RelationStore::addInclude(P_RelationInclude* include) {
  includes_.push_back(include);
  includesOrdered_ = false;
}

const std::vector<P_RelationInclude*>& P_RelationStore::includes() {
  if (!includesOrdered_) {
    std::stable_sort(includes_.begin(), includes_.end(),
                     [](const P_RelationInclude* a, const P_RelationInclude* b) { return a->object() < b->object(); });
    includesOrdered_ = true;
  }
  return includes_;
}

void P_keepRelationInclude(P_RelationInclude* include) { P_relationStore().addInclude(include); }

namespace {

bool kindOfLetter(std::string_view letter, P_RelationKind& kind) {
  if (letter.size() != 1) return false;
  switch (letter[0]) {
    case 'C': kind = P_RelationKind::Calls; return true;
    case 'X': kind = P_RelationKind::Refers; return true;
    case 'B': kind = P_RelationKind::Base; return true;
    case 'V': kind = P_RelationKind::ClsMbr; return true;
    case 'R': kind = P_RelationKind::ClsMbrRef; return true;
    case 'P': kind = P_RelationKind::ClsMbrPtr; return true;
    default: return false;  // "U" and anything unknown are not read
  }
}

void readInclude(zum::FieldScanner& scan) {
  std::string_view object = scan.fileName();
  std::string_view subject = scan.fileName();
  int line = 0;
  if (object.empty() || subject.empty() || !scan.integer(line)) return;
  P_RelationStore& store = P_relationStore();
  U_Filename objectFile = P_internFileField(object);
  P_RelationInclude* include = store.includePool().make(objectFile, U_Filename(subject), line);
  P_callbacks().includeHandlers.call(include);
}

std::uint8_t readFlags(std::string_view rest, bool report) {
  std::uint8_t flags = 0;
  for (char c : rest) {
    if (zum::isBlank(c)) continue;
    switch (c) {
      case 'R': flags |= P_RelationRead; break;
      case 'W': flags |= P_RelationWrite; break;
      case 'V': flags |= P_RelationVirtual; break;
      case '-': break;
      default:
        if (report) std::fputs("Undefined flag for relation record: ", stdout);
        break;
    }
  }
  return flags;
}

}  // namespace

void P_readRelationRecord(std::string_view line) {
  zum::FieldScanner scan(line);
  scan.skipTag();
  std::string_view kindLetter = scan.token();
  if (kindLetter == "I") {
    readInclude(scan);
    return;
  }
  P_RelationKind kind;
  if (!kindOfLetter(kindLetter, kind)) return;

  P_ReadContext& context = P_readContext();
  const bool showErrors = C_runSettings().showRelationErrors;
  const bool kept = (P_callbacks().relationNeeds & (1u << static_cast<unsigned>(kind))) != 0;
  // Nobody asked for the kind and nobody wants reports: nothing to do.
  if (!kept && !showErrors) return;

  std::string_view objectName = scan.token();
  std::string_view subjectName = scan.token();
  int lineNumber = 0;
  if (objectName.empty() || subjectName.empty() || !scan.integer(lineNumber)) return;
  std::uint8_t flags = readFlags(scan.rest(), showErrors);

  const P_ResolvedName object = P_resolveRelationObject(objectName, context.objectScratch);
  const P_ResolvedName subject = P_resolveInSource(subjectName, context.keyScratch);
  if (!object.symbol || !subject.symbol) {
    if (showErrors) {
      std::fputs("Undefined symbol for relation record: ", stdout);
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
    }
    return;
  }
  if (!kept) return;

  P_RelationStore& store = P_relationStore();
  // Object before subject: the order in which new names are interned is
  // their identity order.
  const char* objectText = P_internResolvedName(context.objectScratch, object.key);
  const char* subjectText = P_internResolvedName(context.keyScratch, subject.key);
  store.add(store.relationPool().make(kind, objectText, subjectText, lineNumber, object.symbol, subject.symbol, flags));
}
