// Reading the JSON text of one rule line into a rule, with the error lines
// that the name rule file's error file collects.
#pragma once

#include <string>
#include <string_view>

#include "namecheck/NameRule.h"

namespace zum {

// The namespace expression "unnamed" stands for the names of unnamed
// namespaces.
inline constexpr std::string_view kUnnamedNamespaceWord = "unnamed";
inline constexpr std::string_view kUnnamedNamespaceExpression = "^::@UN[a-zA-Z0-9]*$";

// Reads `ruleText`, the text after "rule=" on line `lineNumber`, into
// `rule` (which holds the defaults) and appends the error lines of the
// rule, each ending in a newline, to `errors`. An empty text keeps the
// defaults. Gives whether the rule is free of errors.
bool readRule(std::string_view ruleText, int lineNumber, NameRule& rule, std::string& errors);

}  // namespace zum
