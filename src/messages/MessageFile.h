// The message file: the text that fills the message table.
//
//   * a comment                         (so is an empty line)
//   #define warning 4 Likely a defect   a level: name, number, description
//   #levelname 4 warning                the display name of a level number
//   1503 warning Function '%1s' is defined but never used.@@Remove it.
//
// A message line is the number, the level name and the text; the text after
// the first "@@" is the second text. A line ending in '\' continues on the
// next line (the '\' is dropped); one ending in "\\" continues too, with the
// two replaced by "@@". Trailing carriage returns are removed.
//
// The file is read in the run's input encoding. A line that cannot be read
// (junk, binary bytes, a number out of range, no level name, longer than
// kMaxMessageLineLength) is skipped with a warning naming the file and the
// line; an unknown directive writes "Warning - Unknown directive '#name'".
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>

class M_MessageTable;

inline constexpr std::size_t kMaxMessageLineLength = 64 * 1024;

// Reads the whole of `in` into `table`; warnings go to `warnings`, naming
// the file as `fileName`.
void M_readMessageFile(std::istream& in, std::string_view fileName, M_MessageTable& table, std::ostream& warnings);
