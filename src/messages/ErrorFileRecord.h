// One record as the error file decoders hand it out, with the byte offset
// where it begins (for reports about damaged files).
#pragma once

#include <cstddef>

#include "messages/Diagnostic.h"
#include "messages/SuppressionRecord.h"
#include "util/Ref.h"
#include "util/String.h"

struct M_ErrorFileRecord {
  enum class Kind { kSectionStart, kDiagnostic, kSuppressionRecord };

  Kind kind = Kind::kSectionStart;
  std::size_t offset = 0;
  U_Handle<M_Diagnostic> diagnostic;
  U_Handle<M_SuppressionRecord> suppressionRecord;
  // Older generation: the current-file records met just before this
  // diagnostic changed the current file to this path.
  bool changesCurrentFile = false;
  U_String currentFile;
  std::size_t currentFileOffset = 0;  // of the last such record
};
