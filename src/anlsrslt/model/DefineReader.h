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

// Registered for the tag "DEFINE".
void P_readDefineRecord(std::string_view line);
