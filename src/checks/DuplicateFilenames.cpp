#include "checks/DuplicateFilenames.h"

#include <map>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "checks/MessageNumbers.h"
#include "checks/Reporting.h"
#include "options/RunSettings.h"
#include "util/FlatMap.h"
#include "util/Prefetch.h"
#include "util/ProcessState.h"
#include "util/StringStore.h"

namespace zum {

namespace {

struct Member {
  const char* file;          // as recorded (interned: one pointer per file name)
  std::string_view baseName;  // as written
};

// What is known of a file name (an interned pointer).
struct FileFacts {
  std::string_view baseName;
  bool recorded = false;
};

struct DuplicateFilenamesState {
  // By base name in lower case; members in the order they were recorded.
  std::map<std::string, std::vector<Member>> groups;
  // Every include relation names two files, mostly the same few thousand
  // again: their facts in one flat table, the base name worked out once.
  FlatMap<const char*, FileFacts> files;
  // An included file, and the first file seen including it under its own
  // base name.
  std::unordered_map<const char*, const char*> forwards;
  // The sources in reading order, recorded at the end of the run: between
  // two sources the reading passes megabytes and would find the groups
  // gone from the caches.
  std::vector<const char*> sources;
};

DuplicateFilenamesState& state() { return ProcessState::get<DuplicateFilenamesState>(); }

std::string keyOf(std::string_view baseName) {
  std::string key(baseName);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

FileFacts& factsOf(const char* file) {
  auto [facts, isNew] = state().files.tryEmplace(file);
  // Worked out again each time while the read caches are off, so that a
  // run can show the output does not depend on the memo.
  if (isNew || !C_readCachesOn()) facts->baseName = baseNameOf(file);
  return *facts;
}

// Gives the file's base name.
std::string_view record(const char* file) {
  FileFacts& facts = factsOf(file);
  if (!facts.recorded) {
    facts.recorded = true;
    state().groups[keyOf(facts.baseName)].push_back({file, facts.baseName});
  }
  return facts.baseName;
}

bool noteSource(PI_SourceHandle source) {
  state().sources.push_back(PI_getSourceFilename(source));
  return true;
}

void raise(int messageNumber, std::string_view text, std::vector<U_Handle<M_Diagnostic>> list) {
  U_Handle<M_Diagnostic> diagnostic = newDiagnostic(messageNumber, projectLocation());
  diagnostic->addString(std::string(text));
  addMessageList(*diagnostic, std::move(list));
  report(*diagnostic);
}

// Reports the members that another file of their base name forwards to,
// and takes them out of the group.
void reportForwardHeaders(std::vector<Member>& group) {
  const auto& forwards = state().forwards;
  std::vector<Member> rest;
  for (const Member& member : group) {
    const auto forward = forwards.find(member.file);
    if (forward == forwards.end()) {
      rest.push_back(member);
      continue;
    }
    raise(msg::kForwardHeader, member.baseName, {fileMessage(forward->second), fileMessage(member.file)});
  }
  group = std::move(rest);
}

void reportDuplicates(const std::string& key, const std::vector<Member>& group) {
  std::vector<U_Handle<M_Diagnostic>> list;
  bool sameCase = true;
  for (const Member& member : group) {
    list.push_back(fileMessage(member.file));
    sameCase = sameCase && member.baseName == group.front().baseName;
  }
  if (sameCase)
    raise(msg::kDuplicateFilename, group.front().baseName, std::move(list));
  else
    raise(msg::kDuplicateFilenameIgnoringCase, key, std::move(list));
}

void checkDuplicateFilenames() {
  DuplicateFilenamesState& table = state();
  for (const char* source : table.sources) record(source);
  // The relations lie one per include across the model: each is asked for
  // ahead.
  const std::span<const PI_RelationIncludeHandle> includes = P_getIncludeRelations();
  for (std::size_t i = 0; i < includes.size(); ++i) {
    if (i + 8 < includes.size()) prefetch(includes[i + 8]);
    PI_RelationIncludeHandle include = includes[i];
    const char* included = PI_getRelationIncludeSubject(include);
    const char* including = PI_getRelationIncludeObject(include);
    // The facts are looked up one after the other: a look-up may move them.
    const std::string_view includedBase = record(included);
    if (FilenameStringCompare::equal(includedBase, factsOf(including).baseName))
      table.forwards.try_emplace(included, including);
  }
  for (auto& [key, group] : table.groups) {
    if (group.size() < 2) continue;
    std::vector<Member> members = group;
    reportForwardHeaders(members);
    if (members.size() > 1) reportDuplicates(key, members);
  }
}

}  // namespace

std::string_view baseNameOf(std::string_view file) noexcept {
  if (file.ends_with('/')) file.remove_suffix(1);
  const std::size_t slash = file.rfind('/');
  return slash == std::string_view::npos ? file : file.substr(slash + 1);
}

void configureDuplicateFilenames() {
  PI_configureNeedRelationInclude();
  PI_configureOnSource(&noteSource);
  PI_configureOnEnd(&checkDuplicateFilenames);
}

}  // namespace zum
