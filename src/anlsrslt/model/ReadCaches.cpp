#include "anlsrslt/model/ReadCaches.h"

#include <optional>

#include "anlsrslt/model/DefineReader.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/SymbolTable.h"
#include "options/RunSettings.h"
#include "util/Memo.h"

namespace {

const P_DefineShape* makeShape(const P_DefineShape& decoded, P_ReadContext& context, bool filed) {
  return filed ? context.symbolTable->makeShape(decoded) : nullptr;
}

// The shape a kept line stands for must be what decoding it gives now.
[[maybe_unused]] void checkKeptShape(const P_DefineShape& kept, std::string_view line) {
  std::optional<P_DefineRecordText> text = P_splitDefineRecord(line);
  zum::checkMemo(text.has_value(), "HeaderShapes");
  P_DefineShape fresh;
  P_decodeDefine(*text, fresh);
  zum::checkMemo(fresh.fields == kept.fields && fresh.templateOrSpecialisation == kept.templateOrSpecialisation,
                 "HeaderShapes");
}

}  // namespace

const P_DefineShape* P_defineShapeOf(std::string_view line, P_ReadContext& context, bool filed) {
  if (!C_readCachesOn()) {
    std::optional<P_DefineRecordText> text = P_splitDefineRecord(line);
    if (!text) return nullptr;
    P_DefineShape decoded;
    P_decodeDefine(*text, decoded);
    return makeShape(decoded, context, filed);
  }
  // The line that followed the last one in another source is tried first,
  // without hashing.
  auto& cache = context.caches.headerShapes;
  const P_DefineShape* const* known = cache.findFollowing(line);
  std::optional<P_DefineRecordText> text;
  std::uint64_t hash = 0;
  if (!known) {
    text = P_splitDefineRecord(line);
    if (!text) return nullptr;
    if (P_isIncludedFileRecord(*text)) {
      hash = cache.hashOf(line);
      known = cache.find(line, hash);
    }
  }
  if (known) {
    if constexpr (zum::kCheckMemos) checkKeptShape(**known, line);
    return filed ? *known : nullptr;
  }
  P_DefineShape decoded;
  P_decodeDefine(*text, decoded);
  const P_DefineShape* shape = makeShape(decoded, context, filed);
  if (shape && P_isIncludedFileRecord(*text)) cache.remember(line, hash, shape);
  return shape;
}

const char* P_symbolKeyOfName(std::string_view raw, std::string& marked) {
  if (!C_readCachesOn()) return P_markAndFindKey(raw, marked);
  auto& nameKeys = P_readContext().caches.nameKeys;
  const std::uint64_t hash = nameKeys.hashOf(raw);
  if (const char* const* known = nameKeys.find(raw, hash)) {
    if constexpr (zum::kCheckMemos) zum::checkMemo(P_markAndFindKey(raw, marked) == *known, "NameKeys");
    marked.assign(*known, zum::intern::header(*known).size);
    return *known;
  }
  const char* key = P_markAndFindKey(raw, marked);
  // Only a name that is its own key: the key's text is then the marked name.
  if (key && zum::intern::header(key).size == marked.size()) nameKeys.remember(raw, hash, key);
  return key;
}

P_ResolvedName P_resolveRelationObject(std::string_view raw, std::string& marked) {
  if (!C_readCachesOn()) return P_resolveInSource(raw, marked);
  P_ReadContext& context = P_readContext();
  P_ReadCaches::RelationObject& recent = context.caches.relationObject;
  const std::uint64_t generation = context.symbolTable ? context.symbolTable->sourceGeneration() : 0;
  if (recent.valid && recent.generation == generation && std::string_view(recent.raw) == raw) {
    if constexpr (zum::kCheckMemos) {
      std::string freshMarked;
      const P_ResolvedName fresh = P_resolveInSource(raw, freshMarked);
      zum::checkMemo(fresh.symbol == recent.symbol && fresh.key == recent.key && freshMarked == marked,
                     "RelationObject");
    }
    return {recent.symbol, recent.key};
  }
  const P_ResolvedName resolved = P_resolveInSource(raw, marked);
  recent.raw.assign(raw);
  recent.generation = generation;
  recent.valid = context.symbolTable != nullptr;
  recent.symbol = resolved.symbol;
  recent.key = resolved.key;
  return resolved;
}

U_Identifier P_internNameField(std::string_view raw) {
  P_ReadContext& context = P_readContext();
  if (!C_readCachesOn()) return context.internName(raw);
  std::string& marked = context.nameScratch;
  const char* key = P_symbolKeyOfName(raw, marked);
  const U_Identifier name = U_Identifier::fromStored(P_internResolvedName(marked, key));
  if constexpr (zum::kCheckMemos) zum::checkMemo(context.internName(raw) == name, "NameField");
  return name;
}

const char* P_internMetricValue(zum::NumberInterns& numbers, zum::RecentInterns<8>& recent, std::string_view text) {
  if (!C_readCachesOn()) return P_internRecent(recent, text);
  const char* number = numbers.intern(text);
  if (!number) return P_internRecent(recent, text);
  if constexpr (zum::kCheckMemos)
    zum::checkMemo(U_SingletonStringStore<SimpleStringCompare>::instance().find(text) == number, "NumberInterns");
  return number;
}

const char* P_internShortField(std::string_view text) {
  return P_internRecent(P_readContext().caches.recentTexts, text);
}

U_Filename P_internFileField(std::string_view text) {
  if (!C_readCachesOn()) return U_Filename(text);
  P_ReadCaches& caches = P_readContext().caches;
  if (caches.lastFile.isSet() && text == std::string_view(caches.lastFileText)) {
    if constexpr (zum::kCheckMemos) zum::checkMemo(U_Filename(text) == caches.lastFile, "LastFile");
    return caches.lastFile;
  }
  caches.lastFileText.assign(text);
  caches.lastFile = U_Filename(text);
  return caches.lastFile;
}

void P_beginCachedFile(P_ReadCaches& caches) { caches.lastFile = U_Filename(); }
