#include "checks/DeclarationRules.h"

#include <climits>

namespace zum {

namespace {

// The number a dimension text begins with, as the type queries read it:
// blanks skipped, an optional sign, digits, held to the range of an int.
long long leadingNumber(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
  const long long value = negative ? -magnitude : magnitude;
  return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value;
}

// Types are interned in the model, so most equal types are one text.
bool sameType(std::string_view a, std::string_view b) noexcept {
  return (a.data() == b.data() && a.size() == b.size()) || a == b;
}

bool isArray(std::string_view type) noexcept { return !type.empty() && type.front() == '['; }

bool sameKindOfEntity(DeclaredKind a, DeclaredKind b) noexcept {
  return a == b && (a == DeclaredKind::Variable || a == DeclaredKind::Function || a == DeclaredKind::Typedef);
}

// The array branch: some later define is no array, or two of the arrays
// conflict. Two arrays conflict exactly when their element types differ or
// both have dimensions that differ, so it is enough to compare every array
// with the first array and every dimension with the first dimension.
bool arraysIncompatible(std::span<const DeclarationFacts> defines) noexcept {
  const ArrayType* firstArray = nullptr;
  const ArrayType* firstDimensioned = nullptr;
  ArrayType firstArrayStore;
  ArrayType firstDimensionedStore;
  for (std::size_t i = 0; i < defines.size(); ++i) {
    const ArrayType array = arrayTypeOf(defines[i].dimensionedType);
    if (!array.isArray) {
      if (i > 0) return true;
      continue;
    }
    if (!firstArray) {
      firstArrayStore = array;
      firstArray = &firstArrayStore;
    } else if (!sameType(array.element, firstArray->element)) {
      return true;
    }
    if (!array.dimensioned) continue;
    if (!firstDimensioned) {
      firstDimensionedStore = array;
      firstDimensioned = &firstDimensionedStore;
    } else if (array.dimension != firstDimensioned->dimension) {
      return true;
    }
  }
  return false;
}

}  // namespace

ArrayType arrayTypeOf(std::string_view type) noexcept {
  ArrayType array;
  if (!isArray(type)) return array;
  array.isArray = true;
  array.dimensioned = !(type.size() > 1 && (type[1] == '0' || type[1] == '?'));
  if (array.dimensioned) array.dimension = leadingNumber(type.substr(1));
  const std::size_t comma = type.find(',');
  const std::size_t close = type.rfind(']');
  if (comma != std::string_view::npos && close != std::string_view::npos && close > comma)
    array.element = type.substr(comma + 1, close - comma - 1);
  return array;
}

bool arrayTypesConflict(std::string_view a, std::string_view b) noexcept {
  if (sameType(a, b)) return false;
  const ArrayType first = arrayTypeOf(a);
  const ArrayType second = arrayTypeOf(b);
  if (!first.isArray || !second.isArray) return false;
  if (first.dimensioned && second.dimensioned && first.dimension != second.dimension) return true;
  return !sameType(first.element, second.element);
}

bool conflictsWithFirst(const DeclarationFacts& first, const DeclarationFacts& later) noexcept {
  if (first.inClass) return false;
  if (sameKindOfEntity(first.kind, later.kind)) return !sameType(first.type, later.type);
  switch (first.kind) {
    case DeclaredKind::Macro:
    case DeclaredKind::Tag:
    case DeclaredKind::Enumerator:
      return later.kind != first.kind;
    default:
      return false;
  }
}

bool declarationsIncompatible(std::span<const DeclarationFacts> defines) noexcept {
  if (defines.empty()) return false;
  const DeclarationFacts& first = defines.front();
  if (isArray(first.type)) return arraysIncompatible(defines);
  for (const DeclarationFacts& later : defines.subspan(1))
    if (conflictsWithFirst(first, later)) return true;
  return false;
}

bool countsAsDefinition(const DefinitionFacts& definition) noexcept {
  if (!definition.variableOrFunction || definition.isInline || !definition.fileOrNamespaceScope) return false;
  return !definition.templateOrSpecialisation || definition.markedX;
}

}  // namespace zum
