#include "anlsrslt/model/SymbolTable.h"

#include <cstdio>

#include "anlsrslt/model/FilingMemo.h"
#include "anlsrslt/model/QualifiedName.h"
#include "util/ProcessState.h"

P_SymbolTable& P_symbolTable() { return zum::ProcessState::get<P_SymbolTable>(); }

U_Identifier P_SymbolTable::keyOf(U_Identifier qualName) {
  std::string_view key = zum::symbolKeyText(qualName.view());
  return key.size() == qualName.size() ? qualName : U_Identifier(key);
}

const char* P_SymbolTable::findKeyOf(std::string_view markedName) noexcept {
  return U_SingletonStringStore<SimpleStringCompare>::instance().find(zum::symbolKeyText(markedName));
}

P_Symbol* P_SymbolTable::newSymbol(P_Define* def) {
  return symbolPool_.make(def, static_cast<std::uint32_t>(symbolPool_.size()));
}

namespace {

bool declaresOrSpecialises(std::uint8_t bits) noexcept {
  return (bits & (P_DefineDeclaration | P_DefineSpecialisation)) != 0;
}

// The define bits filing goes by. Labels and enum tags are always complete
// where they appear. An implicit member is declared by its first appearance
// in a source and defined by any later one.
std::uint8_t fileableBits(const P_Define& def, bool nameInSource) {
  std::uint8_t bits = def.defineBits();
  if (def.kind() == P_DefineKind::Label ||
      (def.kind() == P_DefineKind::Tag && zum::tagTypeKind(def.type().view()) == 'e')) {
    bits = P_DefineDeclaration | P_DefineDefinition;
  }
  if (bits & P_DefineImplicit) bits |= nameInSource ? P_DefineDefinition : P_DefineDeclaration;
  return bits;
}

void reportMissingDeclaration(const P_Define& def) {
  std::fputs("Missing 'DC' for ", stdout);
  std::fwrite(def.qualName().view().data(), 1, def.qualName().size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace

P_InsertResult P_SymbolTable::insert(P_Define* def, bool reportMissing) {
  const U_Identifier key = P_keyFor(*def);
  P_Symbol* const* inSource = sourceMap_.find(key.pointer());
  std::uint8_t bits = fileableBits(*def, inSource != nullptr);
  if (!declaresOrSpecialises(bits) && !def->isMacro() && !inSource) {
    // A definition with no declaration in its source is repaired into one.
    bits = static_cast<std::uint8_t>((bits & ~P_DefineRedeclaration) | P_DefineDeclaration);
    if (reportMissing) reportMissingDeclaration(*def);
  }
  def->setDefineBits(bits);
  if (declaresOrSpecialises(bits)) return fileDeclaration(def, key);

  // A macro is a symbol of its own; anything else joins the symbol its
  // source declared.
  P_Symbol* symbol = def->isMacro() ? newSymbol(def) : *inSource;
  if (bits & P_DefineDefinition) {
    if (!def->isMacro()) symbol->add(def);
    return {P_InsertStatus::Definition, symbol};
  }
  if (bits & P_DefineRedeclaration) {
    addRedeclaration(symbol, symbol->current(), def);
    return {P_InsertStatus::Redeclaration, symbol};
  }
  return {P_InsertStatus::MarksOnly, symbol};
}

P_InsertResult P_SymbolTable::fileDeclaration(P_Define* def, U_Identifier key) {
  // Only external names meet across sources; any other declaration is a
  // symbol of its own.
  const P_InsertResult result = def->hasExternalLinkage()
                                    ? P_projectEntryFor(*def, [&] { return projectEntry(def, key); })
                                    : P_InsertResult{P_InsertStatus::NewSymbol, newSymbol(def)};
  sourceMap_[key.pointer()] = result.symbol;
  ++sourceGeneration_;
  // A new symbol starts with the define already.
  if (result.status == P_InsertStatus::ProjectRedeclaration) result.symbol->addFresh(def);
  return result;
}

P_InsertResult P_SymbolTable::projectEntry(P_Define* def, U_Identifier key) {
  auto [entry, created] = projectMap_.tryEmplace(key.pointer());
  if (!created) return {P_InsertStatus::ProjectRedeclaration, *entry};
  *entry = newSymbol(def);
  return {P_InsertStatus::NewSymbol, *entry};
}

void P_SymbolTable::addRedeclaration(P_Symbol* symbol, P_Define* redeclared, P_Define* def) {
  auto [entry, created] = redeclIndex_.tryEmplace(redeclared);
  if (created) {
    entry->symbol = symbol;
    entry->list = static_cast<std::uint32_t>(redeclLists_.size());
    redeclLists_.emplace_back();
  }
  redeclLists_[entry->list].push_back(def);
}

const std::vector<P_Define*>* P_SymbolTable::redeclarationsOf(const P_Symbol* symbol,
                                                               const P_Define* def) const noexcept {
  const RedeclEntry* entry = redeclIndex_.find(def);
  if (!entry || entry->symbol != symbol) return nullptr;
  return &redeclLists_[entry->list];
}
