// The findings of an error file: its diagnostics in file order, and where
// reading stopped when the file is damaged.
#pragma once

#include <string>
#include <vector>

#include "messages/Diagnostic.h"
#include "util/Ref.h"

struct ReportFindings {
  std::vector<U_Handle<M_Diagnostic>> diagnostics;
  // Empty when the whole file was read.
  std::string damage;
};

// Reads `path` (an error file of either generation). A file that cannot be
// read or is damaged yields what was read before and the damage text.
ReportFindings readFindings(const std::string& path);
