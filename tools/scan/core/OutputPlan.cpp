#include "core/OutputPlan.h"

#include <cctype>
#include <map>

#include "core/Paths.h"

namespace scan {

namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The directory part that all of `dirs` share, ending at a separator.
std::string_view commonDirectory(const std::vector<std::string_view>& dirs) {
  std::string_view common = dirs.front();
  for (std::string_view dir : dirs) {
    std::size_t n = 0;
    while (n < common.size() && n < dir.size() && common[n] == dir[n]) ++n;
    common = common.substr(0, n);
  }
  // Cut back to a whole component of every directory.
  for (std::string_view dir : dirs) {
    if (dir.size() == common.size() || (dir.size() > common.size() && dir[common.size()] == '/')) continue;
    std::size_t slash = common.rfind('/');
    common = common.substr(0, slash == std::string_view::npos ? 0 : slash);
  }
  return common;
}

UnitFiles filesIn(const std::string& dir, std::string_view source) {
  std::string base(baseName(source));
  return {dir, dir + "/" + base + ".met", dir + "/" + base + ".err"};
}

}  // namespace

OutputPlan planOutputs(const std::vector<CompileUnit>& units, const std::string& outputDir,
                       const DisplayRoots& shown) {
  OutputPlan plan;
  plan.files.reserve(units.size());
  // zum folds the letter case of file names, so names that differ only in
  // case are shared names too.
  std::map<std::string, std::vector<std::size_t>> byName;
  for (std::size_t i = 0; i < units.size(); ++i) {
    byName[lowerCase(baseName(units[i].file))].push_back(i);
    plan.files.push_back(filesIn(outputDir, units[i].file));
  }
  for (const auto& [name, members] : byName) {
    if (members.size() < 2) continue;
    std::vector<std::string_view> dirs;
    for (std::size_t i : members) dirs.push_back(directoryOf(units[i].file));
    std::string_view common = commonDirectory(dirs);
    std::string note = "zum-scan: " + std::to_string(members.size()) + " sources are named " +
                       std::string(baseName(units[members.front()].file)) + "; each gets its own output directory:";
    for (std::size_t m = 0; m < members.size(); ++m) {
      std::string_view dir = dirs[m];
      std::string relative(dir.size() > common.size() ? dir.substr(common.size() + 1) : std::string_view());
      // Two names that differ only in case may share their folder.
      if (relative.empty()) relative = "same-folder-" + std::to_string(m + 1);
      std::string subdir = outputDir + "/" + relative;
      plan.files[members[m]] = filesIn(subdir, units[members[m]].file);
      note += "\n  " + displayPath(units[members[m]].file, shown.sources) + " -> " + displayPath(subdir, shown.outputs);
    }
    plan.notes.push_back(std::move(note));
  }
  return plan;
}

}  // namespace scan
