// The name rule file: lines that begin with "rule=" hold one rule each (a
// JSON object), every other line is a comment. A file with a bad rule stops
// the run, after every rule has been read and every error written to
// "NameCheckErrors.txt" in the output directory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "namecheck/NameRule.h"

namespace zum {

inline constexpr std::string_view kNameCheckErrorFile = "NameCheckErrors.txt";

struct RuleFileContent {
  // The good rules, in file order.
  std::vector<NameRule> rules;
  // The error lines of the bad ones.
  std::string errors;
  bool failed = false;
};

// Reads the rules of a rule file's text. Lines end at a newline; a carriage
// return before it belongs to the newline.
RuleFileContent readRuleText(std::string_view text);

// Reads the rule file `ruleFile`. The error file in `outputDirectory` is
// removed first and written only when the rule file cannot be opened or a
// rule is bad; then C_ConfigurationException is thrown.
std::vector<NameRule> readRuleFile(const std::string& ruleFile, const std::string& outputDirectory);

}  // namespace zum
