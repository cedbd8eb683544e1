// The rules by which the redeclaration checks judge the defines of one
// name: when declarations are incompatible (their kinds, their type
// strings, arrays with and without a dimension) and which definitions count
// towards a duplicate definition. Pure functions over plain facts, so that
// the rules can be read and tested apart from the model.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zum {

// A type string as an array: "[" dimension "," element "]", for example
// "[10,[20,ni]]"; the dimension is "?" or "0" when the array has none.
struct ArrayType {
  bool isArray = false;
  bool dimensioned = false;
  long long dimension = 0;   // the number the dimension text begins with
  std::string_view element;  // "[20,ni]" above
};
// Any text that begins with "[" is an array; what a damaged one lacks is
// left empty.
ArrayType arrayTypeOf(std::string_view type) noexcept;

// The array rule: two array types conflict when they differ and either both
// have a dimension and the dimensions differ, or their element types differ.
// An array without a dimension thus fits one with a dimension.
bool arrayTypesConflict(std::string_view a, std::string_view b) noexcept;

enum class DeclaredKind : std::uint8_t { Variable, Function, Typedef, Macro, Tag, Enumerator, Other };

// What the rules look at of one define of a name.
struct DeclarationFacts {
  DeclaredKind kind = DeclaredKind::Other;
  bool inClass = false;   // a member, or class scope
  std::string_view type;  // the type string
  // The type of the define's first redeclaration that has a dimension,
  // when the define is an array without one; else the define's own type.
  std::string_view dimensionedType;
};

// The pair rule: whether a later define of a name conflicts with the first.
// Nothing conflicts with a member; variables, functions and typedefs
// conflict with their own kind when the types differ; a macro, a tag or an
// enumerator conflicts with any define of another kind.
bool conflictsWithFirst(const DeclarationFacts& first, const DeclarationFacts& later) noexcept;

// Whether the defines of one name, in the model's order, are incompatible.
// When the first is no array, some later define conflicts with it by the
// pair rule. When it is an array, taking every define by its dimensioned
// type: a later define is no array, or two arrays conflict by the array
// rule. Linear in the number of defines.
bool declarationsIncompatible(std::span<const DeclarationFacts> defines) noexcept;

// What decides whether a definition counts towards a duplicate definition.
struct DefinitionFacts {
  bool variableOrFunction = false;
  bool isInline = false;
  bool fileOrNamespaceScope = false;
  bool templateOrSpecialisation = false;
  bool markedX = false;  // the define mark "X" of a template instance
};

// A non-inline variable or function of file or namespace scope; a template
// or specialisation only with the mark "X".
bool countsAsDefinition(const DefinitionFacts& definition) noexcept;

}  // namespace zum
