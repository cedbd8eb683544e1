// The list file that names the scanned sources for zum ("-list"): one word
// per line, with "-outputpath" switching the output directory for the
// sources after it, and "*" lines as remarks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scan {

// `word` written so that zum's list-file reader gives it back unchanged:
// "$" doubled (variables are substituted before words are cut), and quoted
// when it holds a blank, a quote or a backslash.
std::string listFileWord(std::string_view word);

struct ListEntry {
  std::string source;
  std::string outputDir;
};

// `remarks` go first, each as a "*" line; the output directory is set
// before the first source and switched only where it changes.
std::string makeListFile(const std::vector<std::string>& remarks, const std::vector<ListEntry>& entries);

}  // namespace scan
