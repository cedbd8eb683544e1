// Files that appear complete or not at all: written under a temporary name
// in the same directory, then renamed over the final name. A scan stopped
// half way leaves only temporary names, which zum never reads.
#pragma once

#include <string>
#include <string_view>

namespace scan {

// The temporary name a process with id `pid` uses for `finalName`.
std::string temporaryName(const std::string& finalName, long pid);

// Writes `content` to `finalName` through its temporary name. False with
// `error` set (and no file left behind) when that fails.
bool writeFileAtomically(const std::string& finalName, std::string_view content, std::string& error);

// Removes what a process `pid` that was stopped left of `finalName`: its
// temporary file and the files a writer stages beside that one (their
// names start with the temporary name).
void removeTemporaries(const std::string& finalName, long pid);

// Renames the temporary file of `finalName` over it.
bool commitTemporary(const std::string& finalName, std::string& error);

// Creates `dir` and its parents.
bool makeDirectories(const std::string& dir, std::string& error);

}  // namespace scan
