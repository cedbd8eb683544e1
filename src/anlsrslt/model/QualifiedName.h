// Qualified names with their list markers.
//
// A name such as  ns::f(std::map<a,b>::iterator)::x  would split at every
// "::" if it were taken literally. When a name field is read, the outermost
// lists of each component are therefore marked with bytes that cannot occur
// in source text:
//
//   template argument list   '<' -> 0x8C   '>' -> 0x8D
//   parameter list           '(' -> 0x8E   ')' -> 0x8F   ',' between parameters -> 0x90
//
// Text inside those lists, inside braces and inside "@...@" parts is kept
// as it was. Because only outermost lists are marked, markers never nest:
// every 0x8C is followed by its 0x8D and every 0x8E by its 0x8F before the
// next opening marker. Everything that takes names apart relies on that.
#pragma once

#include <string>
#include <string_view>

#include "util/StringStore.h"

namespace zum {

constexpr char kTemplateOpen = '\x8C';
constexpr char kTemplateClose = '\x8D';
constexpr char kParamsOpen = '\x8E';
constexpr char kParamsClose = '\x8F';
constexpr char kParamSeparator = '\x90';

// Writes the marked form of `raw` into `out` (cleared first; its capacity
// is reused, so a reader keeps one scratch string for all its lines).
void markQualifiedName(std::string_view raw, std::string& out);

// The symbol-table key of a marked name: the name without a template
// argument list at its very end ("A<int>" and "A" are one entity).
std::string_view symbolKeyText(std::string_view marked) noexcept;

// The parts of a marked name. Views into the name.
struct NameSplit {
  std::string_view scope;      // before the last "::" outside lists; "" at file scope
  std::string_view component;  // after it
};
NameSplit splitLastComponent(std::string_view marked) noexcept;
// The same split by the scan from the left that every name can take;
// splitLastComponent finds most splits faster, and must agree with it.
NameSplit splitLastComponentByScan(std::string_view marked) noexcept;
// splitLastComponent(marked).scope, found from the end of the name when
// its last component is a plain identifier (a member or a variable).
std::string_view scopeOfName(std::string_view marked) noexcept;

// The component without its parameter list (template arguments stay).
std::string_view identifierOf(std::string_view component) noexcept;
// The component up to its first list marker.
std::string_view simpleIdentifierOf(std::string_view component) noexcept;
// From the identifier's first 0x8C to its last 0x8D, markers included.
std::string_view templateParametersOf(std::string_view identifier) noexcept;

// The character a list marker stands for; any other byte stands for itself.
constexpr char listCharacterOf(char c) noexcept {
  switch (static_cast<unsigned char>(c)) {
    case 0x8C: return '<';
    case 0x8D: return '>';
    case 0x8E: return '(';
    case 0x8F: return ')';
    case 0x90: return ',';
    default: return c;
  }
}

// `text` with every list marker turned back into the character it stands
// for: how a name is shown to a reader.
std::string withListCharacters(std::string_view text);

// `marked` with every marked template argument list removed.
void removeTemplateArguments(std::string_view marked, std::string& out);

}  // namespace zum
