// The name check, the analysis module of a single-file run with a name rule
// file: every define of the source is tested against the rules in file
// order, and each rule that applies to a define and does not accept its
// simple identifier raises its message there, with the identifier.
#pragma once

#include <string>
#include <vector>

#include "namecheck/NameRule.h"

namespace zum {

// The module's configuration: reads the run's rule file (a bad one stops
// the run with a configuration error) and registers the check.
void configureNameCheck();

// The check with the rules of `ruleFile`, whose error file goes to
// `outputDirectory`.
void configureNameCheck(const std::string& ruleFile, const std::string& outputDirectory);

// The check with `rules`, already read.
void configureNameCheck(std::vector<NameRule> rules);

}  // namespace zum
