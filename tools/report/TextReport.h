// The findings as compilers show theirs, one finding a line:
//
//   util.c:41: advisory: External function 'util_unused_helper' is ... [1503]
//   inventory: advisory: External object 'g_legacyBanner' is declared ... [1500]
//       inc/util.h:3: note: Declaration of 'g_legacyBanner' [1594]
//   inventory.err: 19 findings: 1 warning, 18 advisory
//
// The places a finding lists follow it, indented. With a format string
// each finding, and each place it lists (one level deeper), is rendered by
// the format language instead.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "Findings.h"
#include "messages/MessageTable.h"

struct TextOptions {
  std::string project;  // stands for the place of project-wide findings
  bool showHidden = false;
  std::optional<std::string> format;
};

// Throws FM_ParseException for a bad format.
void writeFindings(const ReportFindings& findings, const M_MessageTable& table, const TextOptions& options,
                   std::ostream& out);

// "<file>: N findings: a warning, b advisory" (by level, the most serious
// first), with "; h hidden" when hidden findings were left out.
std::string summaryLine(const ReportFindings& findings, const M_MessageTable& table, const TextOptions& options,
                        const std::string& fileName);
