#include "ScanRun.h"

#include <filesystem>
#include <sstream>

namespace scantest {

namespace fs = std::filesystem;

std::string fixtureRoot() { return fs::canonical(fs::path(ZUM_FIXTURES_DIR) / "scan" / "cproject").string(); }

std::string fixtureDatabaseDir() { return zumtest::toolPath("scan-fixture"); }

std::string cxxFixtureRoot() { return fs::canonical(fs::path(ZUM_FIXTURES_DIR) / "scan" / "cxxproject").string(); }

std::string cxxFixtureDatabaseDir() { return zumtest::toolPath("scan-fixture-cxx"); }

zumtest::RunResult runScan(const zumtest::Scratch& scratch, const std::vector<std::string>& args) {
  return zumtest::runTool(scratch, "zum-scan", args);
}

namespace {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

void writeDatabase(const zumtest::Scratch& scratch, const std::vector<std::string>& sources, const std::string& flags) {
  std::string json = "[\n";
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const std::string file = scratch.path(sources[i]).string();
    json += "{\"directory\": " + jsonString(scratch.dir().string()) + ", \"arguments\": [\"cc\"";
    std::istringstream words(flags);
    for (std::string word; words >> word;) json += ", " + jsonString(word);
    json += ", \"-c\", " + jsonString(file) + "], \"file\": " + jsonString(file) + "}";
    json += i + 1 < sources.size() ? ",\n" : "\n";
  }
  scratch.write("compile_commands.json", json + "]\n");
}

std::vector<std::string> linesStartingWith(const std::string& text, const std::vector<std::string>& prefixes) {
  std::vector<std::string> result;
  for (const std::string& line : lines(text))
    for (const std::string& prefix : prefixes)
      if (line.starts_with(prefix)) {
        result.push_back(line);
        break;
      }
  return result;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace scantest
