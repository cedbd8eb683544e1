#include "core/ListFile.h"

namespace scan {

std::string listFileWord(std::string_view word) {
  std::string dollars;
  for (char c : word) {
    dollars += c;
    if (c == '$') dollars += '$';
  }
  if (!dollars.empty() && dollars.find_first_of(" \t\"'\\*") == std::string::npos) return dollars;
  // Double quotes around everything but double quotes, which go inside
  // single quotes: the reader joins the quoted parts of one word.
  std::string quoted;
  bool inDouble = false;
  for (char c : dollars) {
    if (c == '"') {
      if (inDouble) quoted += '"';
      inDouble = false;
      quoted += "'\"'";
      continue;
    }
    if (!inDouble) quoted += '"';
    inDouble = true;
    quoted += c;
  }
  if (inDouble) quoted += '"';
  return quoted.empty() ? "\"\"" : quoted;
}

std::string makeListFile(const std::vector<std::string>& remarks, const std::vector<ListEntry>& entries) {
  std::string text;
  for (const std::string& remark : remarks) text += "* " + remark + "\n";
  std::string current;
  for (const ListEntry& entry : entries) {
    if (current.empty() || entry.outputDir != current) {
      current = entry.outputDir;
      text += "-outputpath " + listFileWord(current) + "\n";
    }
    text += listFileWord(entry.source) + "\n";
  }
  return text;
}

}  // namespace scan
