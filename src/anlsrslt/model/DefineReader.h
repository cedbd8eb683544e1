// The reader of "<DEFINE>" records.
#pragma once

#include <optional>
#include <string_view>

#include "anlsrslt/model/Define.h"

// The fields of a DEFINE line as text, or nothing when a field is missing.
// Malformed codes are assertion failures.
struct P_DefineRecordText {
  std::string_view qualName;
  std::string_view file;
  int line = 0;
  char position = 0;
  std::string_view defineCode;
  std::string_view spaceCode;
  char scope = 0;
  char linkage = 0;
  std::string_view type;
  std::string_view flags;
};
std::optional<P_DefineRecordText> P_splitDefineRecord(std::string_view line);

// A record of a line of an included file (position "I"), not of the
// source's own file.
inline bool P_isIncludedFileRecord(const P_DefineRecordText& text) noexcept { return text.position == 'I'; }

// The shape the fields describe, with nothing made or filed yet: names,
// file and type are interned.
void P_decodeDefine(const P_DefineRecordText& text, P_DefineShape& shape);

// Registered for the tag "DEFINE".
void P_readDefineRecord(std::string_view line);
