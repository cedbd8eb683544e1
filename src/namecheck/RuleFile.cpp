#include "namecheck/RuleFile.h"

#include <unistd.h>

#include <cstdio>

#include "messages/BinaryFile.h"
#include "namecheck/RuleReader.h"
#include "options/OptionExceptions.h"
#include "util/Path.h"

namespace zum {

namespace {

constexpr std::string_view kRulePrefix = "rule=";

// Writes `text` as the whole of `path`; gives whether all of it got there.
bool writeErrorFile(const std::string& path, std::string_view text) {
  R_FilePtr file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace

RuleFileContent readRuleText(std::string_view text) {
  RuleFileContent content;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++lineNumber;
    if (!line.starts_with(kRulePrefix)) continue;
    if (line.ends_with('\r')) line.remove_suffix(1);
    NameRule rule;
    if (readRule(line.substr(kRulePrefix.size()), lineNumber, rule, content.errors))
      content.rules.push_back(std::move(rule));
    else
      content.failed = true;
  }
  return content;
}

std::vector<NameRule> readRuleFile(const std::string& ruleFile, const std::string& outputDirectory) {
  const std::string errorFile = U_Path::join(outputDirectory, kNameCheckErrorFile);
  // Only a file goes: a directory of that name stays, and writing then fails.
  ::unlink(errorFile.c_str());

  RuleFileContent content;
  std::string text;
  if (R_readWholeFile(ruleFile, text) != 0) {
    content.errors = "Cannot open file " + ruleFile + "\n";
    content.failed = true;
  } else {
    content = readRuleText(text);
  }
  if (!content.failed) return std::move(content.rules);

  std::string message = "ERROR: Name Checker syntax error in configuration file.\n";
  if (writeErrorFile(errorFile, content.errors)) message += " see " + errorFile + " for details\n";
  throw C_ConfigurationException(message);
}

}  // namespace zum
