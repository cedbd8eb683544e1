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
  // Findings left out by leaveOutOneHeaderDeclarations.
  int leftOut = 0;
};

// Reads `path` (an error file of either generation). A file that cannot be
// read or is damaged yields what was read before and the damage text.
ReportFindings readFindings(const std::string& path);

// Every source that includes a header declares its externals again, so the
// project sees a declaration that stands once in one header as declared
// many times ("declared at more than one place", 1512 and 1513). Such a
// finding says nothing a reader can act on: it is left out of the report
// and counted. Findings that list two places or more stay.
void leaveOutOneHeaderDeclarations(ReportFindings& findings);
