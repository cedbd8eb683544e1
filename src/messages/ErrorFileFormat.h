// The numbers of the error file format, both generations. All words are
// int32 little-endian; nothing is padded.
#pragma once

#include <cstdint>
#include <string_view>

namespace M_ErrorFileFormat {

// Version words. Reading accepts the older ones of each generation too.
constexpr std::int32_t kCurrentVersion = 0x8200;
constexpr std::int32_t kCurrentVersionEarlier = 0x8100;
constexpr std::int32_t kOlderVersion = 0x7900;
constexpr std::int32_t kOlderVersion78 = 0x7800;
constexpr std::int32_t kOlderVersion77 = 0x7700;

enum class Generation { kOlder, kCurrent };

constexpr bool isCurrentVersion(std::int32_t v) { return v == kCurrentVersion || v == kCurrentVersionEarlier; }
constexpr bool isOlderVersion(std::int32_t v) {
  return v == kOlderVersion || v == kOlderVersion78 || v == kOlderVersion77;
}

// Current generation: one tag byte before each record.
constexpr std::uint8_t kTagSectionStart = 1;
constexpr std::uint8_t kTagDiagnostic = 2;
constexpr std::uint8_t kTagSuppression = 4;

// Optional parts of a location definition.
constexpr std::uint8_t kPartInclude = 1;
constexpr std::uint8_t kPartInstantiation = 2;
constexpr std::uint8_t kPartMacroHistory = 4;
constexpr std::uint8_t kPartHL = 8;
constexpr std::uint8_t kKnownParts = kPartInclude | kPartInstantiation | kPartMacroHistory | kPartHL;

// Parameter kinds. An entity travels as a string.
constexpr std::uint8_t kParamString = 1;
constexpr std::uint8_t kParamStringList = 2;
constexpr std::uint8_t kParamMessageList = 4;

// Hidden-flag bits of a diagnostic.
constexpr std::int32_t kHiddenByPragma = 1;
constexpr std::int32_t kHiddenByUser = 2;

// The constant byte between a suppression record's ranges and its region.
constexpr std::uint8_t kSuppressionRegionMark = 4;

// Older generation: an int32 type before each record.
constexpr std::int32_t kTypeDiagnosticFirst = 0;
constexpr std::int32_t kTypeCurrentFile = 1;
constexpr std::int32_t kTypeDiagnosticSecond = 2;
constexpr std::int32_t kTypeDiagnostic = 3;
// The older generation's "b" word when the place is in the primary source.
constexpr std::int32_t kNotIncluded = -1;

// Neither generation can say "no location"; a diagnostic without one is
// written at line 0, column 0 of a file with an empty name, and that place
// reads back as no location.
constexpr bool isNoLocationMark(std::string_view path, std::string_view given, std::int32_t line,
                                std::int32_t column) {
  return path.empty() && given.empty() && line == 0 && column == 0;
}

// Limits on how deep a file may nest. Real files stay far below them; a
// deeper file is damaged, and refusing it keeps reading, printing and the
// final destruction of the records within a bounded stack.
//
// A location's depth is the longest chain below it through include
// locations, instantiation locations and macro expansions, itself
// included. It bounds both chains built by reference and definitions
// nested inside definitions (a nested definition is always shallower than
// the one around it), so whatever a reader accepts, a writer can write and
// a reader accept again.
constexpr int kMaxLocationDepth = 1500;
// Message lists inside the diagnostics of message lists.
constexpr int kMaxMessageListDepth = 100;

}  // namespace M_ErrorFileFormat
