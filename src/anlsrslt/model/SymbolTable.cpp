#include "anlsrslt/model/SymbolTable.h"

#include <cstdio>

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

P_InsertResult P_SymbolTable::insert(P_Define* def, bool reportMissingDeclaration) {
  P_FilingMemo& memo = def->shape().memo;
  if (!memo.key.isSet()) memo.key = keyOf(def->qualName());
  const U_Identifier key = memo.key;
  P_Symbol** inSource = sourceMap_.find(key.pointer());

  // Labels and enum tags are always complete where they appear. An implicit
  // member is declared by its first appearance in a source and defined by
  // any later one.
  std::uint8_t bits = def->defineBits();
  if (def->kind() == P_DefineKind::Label ||
      (def->kind() == P_DefineKind::Tag && zum::tagTypeKind(def->type().view()) == 'e')) {
    bits = P_DefineDeclaration | P_DefineDefinition;
  }
  if (bits & P_DefineImplicit) bits |= inSource ? P_DefineDefinition : P_DefineDeclaration;

  P_Symbol* symbol = nullptr;
  const auto declaresOrSpecialises = [&bits] {
    return (bits & (P_DefineDeclaration | P_DefineSpecialisation)) != 0;
  };
  if (!declaresOrSpecialises()) {
    if (def->isMacro()) {
      def->setDefineBits(bits);
      symbol = newSymbol(def);
    } else if (inSource) {
      symbol = *inSource;
    } else {
      // A definition with no declaration in its source is repaired into one.
      bits = static_cast<std::uint8_t>((bits & ~P_DefineRedeclaration) | P_DefineDeclaration);
      if (reportMissingDeclaration) {
        std::fputs("Missing 'DC' for ", stdout);
        std::fwrite(def->qualName().view().data(), 1, def->qualName().size(), stdout);
        std::fputc('\n', stdout);
      }
    }
  }
  def->setDefineBits(bits);

  if (!declaresOrSpecialises()) {
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

  P_InsertStatus status = P_InsertStatus::NewSymbol;
  if (def->hasExternalLinkage()) {
    if (memo.projectSymbol) {
      symbol = memo.projectSymbol;
      status = P_InsertStatus::ProjectRedeclaration;
    } else {
      auto [entry, created] = projectMap_.tryEmplace(key.pointer());
      if (created) {
        *entry = symbol = newSymbol(def);
      } else {
        symbol = *entry;
        status = P_InsertStatus::ProjectRedeclaration;
      }
      memo.projectSymbol = symbol;
    }
  } else {
    symbol = newSymbol(def);
  }
  sourceMap_[key.pointer()] = symbol;
  ++sourceGeneration_;
  // A new symbol starts with the define already.
  if (status == P_InsertStatus::ProjectRedeclaration) symbol->addFresh(def);
  return {status, symbol};
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
