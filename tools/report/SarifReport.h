// The findings as SARIF 2.1.0: one run of the tool "zum", one rule per
// message number of the findings (its text, its hint, its level), one
// result per finding with its place and, as related locations, the places
// it lists. A project-wide finding has no place of its own; it is shown at
// the first place it lists. Hidden findings are results with an in-source
// suppression.
#pragma once

#include <ostream>
#include <string>

#include "Findings.h"
#include "messages/MessageTable.h"

struct SarifOptions {
  // Absolute file names under this directory become relative to it (base
  // "SRCROOT"), as code-scanning services want them; empty: kept absolute.
  std::string sourceRoot;
};

void writeSarif(const ReportFindings& findings, const M_MessageTable& table, const SarifOptions& options,
                std::ostream& out);

// "error", "warning" or "note" for a level name of the message table.
const char* sarifLevel(const std::string& levelName);

// A file name as a URI reference: percent-encoded, '\' taken as '/', and
// "file://" before an absolute name.
std::string fileUri(const std::string& name);
