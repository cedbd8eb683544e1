#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestText.h"
#include "ZumRunner.h"

// zum-genproject, run as a program: its projects must be byte-for-byte
// repeatable, use every record kind, only name what the same source
// declared earlier, and add up to the summary it prints.

namespace {

namespace fs = std::filesystem;

zumtest::RunResult generate(const zumtest::Scratch& scratch, const std::string& dir, std::vector<std::string> extra) {
  std::vector<std::string> args = {"-o", scratch.path(dir).string(), "--sources", "12", "--headers", "8",
                                   "--includes", "5", "--root", "/project"};
  args.insert(args.end(), extra.begin(), extra.end());
  return zumtest::runTool(scratch, "zum-genproject", args);
}

std::map<std::string, std::string> readTree(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) files[entry.path().filename().string()] = zumtest::readFile(entry.path());
  return files;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

// The tag as the record readers see it, with the kind letter of "<R>" and
// the metric name of "<S>" kept, so that "<R>C" and "<S>STCYC" count apart.
std::string recordKind(const std::string& line) {
  std::string head = line.substr(0, line.find(' '));
  if (head.starts_with("<R>")) return head.substr(0, 4);
  return head;
}

struct Project {
  std::map<std::string, std::string> files;
  std::set<std::string> kinds;
  std::set<std::string> defineCodes;
  std::set<std::string> allocKinds;
  std::vector<std::string> unresolved;
  uint64_t bytes = 0;
  uint64_t lines = 0;
};

Project inspect(const fs::path& dir) {
  Project project;
  project.files = readTree(dir);
  for (const auto& entry : project.files) {
    const std::string& name = entry.first;
    const std::string& text = entry.second;
    project.bytes += text.size();
    if (name.ends_with(".err")) continue;  // binary: its bytes count, its lines do not
    project.lines += uint64_t(std::count(text.begin(), text.end(), '\n'));
    if (!name.ends_with(".met")) continue;
    std::set<std::string> declared;
    bool graphHeaderNext = true;
    for (const std::string& line : zumtest::lines(text)) {
      std::string kind = recordKind(line);
      project.kinds.insert(kind);
      std::vector<std::string> w = words(line);
      auto need = [&](const std::string& entity) {
        if (!declared.count(entity)) project.unresolved.push_back(name + ": " + line);
      };
      if (kind == "<DEFINE>") {
        declared.insert(w.at(1));
        // The define code follows the line and the file position; a quoted
        // file name may hold a blank, so count from the end.
        project.defineCodes.insert(w.at(w.size() - 6));
      } else if (kind == "<R>C" || kind == "<R>X" || kind == "<R>B" || kind == "<R>V" || kind == "<R>R" ||
                 kind == "<R>P" || kind == "<EXTV>") {
        need(w.at(1));
        need(w.at(2));
      } else if (kind == "<ALLOC>") {
        need(w.at(1));
        project.allocKinds.insert(w.at(2));
      } else if (kind == "<CTLG>") {
        if (graphHeaderNext) need(w.at(1));
        graphHeaderNext = false;
      } else if (kind == "<CTLGN>") {
        graphHeaderNext = true;
      }
    }
  }
  return project;
}

}  // namespace

TEST(GenProject, SameSeedGivesTheSameBytesAndAnotherSeedDoesNot) {
  zumtest::Scratch scratch;
  ASSERT_EQ(generate(scratch, "a", {"--seed", "7", "--lang", "c++"}).exitCode, 0);
  ASSERT_EQ(generate(scratch, "b", {"--seed", "7", "--lang", "c++"}).exitCode, 0);
  ASSERT_EQ(generate(scratch, "c", {"--seed", "8", "--lang", "c++"}).exitCode, 0);
  auto a = readTree(scratch.path("a"));
  EXPECT_EQ(a.size(), 25u);  // twelve metric and error files each, and the list file
  EXPECT_TRUE(a == readTree(scratch.path("b")));
  EXPECT_FALSE(a == readTree(scratch.path("c")));
}

TEST(GenProject, CppProjectUsesEveryRecordKindAndOnlyNamesWhatWasDeclaredBefore) {
  zumtest::Scratch scratch;
  auto run = generate(scratch, "p", {"--lang", "c++"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  Project project = inspect(scratch.path("p"));
  for (const char* kind : {"<DEFINE>", "<R>C", "<R>X", "<R>B", "<R>V", "<R>R", "<R>P", "<R>I", "<EXTV>", "<ALLOC>",
                           "<S>", "<S>STFIL", "<S>STNAM", "<S>STCYC", "<S>STFNC", "<CTLG>", "<CTLGN>", "<LIT>"})
    EXPECT_TRUE(project.kinds.count(kind)) << kind;
  for (const char* code : {"DC", "DF", "DI", "DS", "DR", "DX", "DP"}) EXPECT_TRUE(project.defineCodes.count(code)) << code;
  EXPECT_TRUE(project.allocKinds.count("plain"));
  EXPECT_TRUE(project.allocKinds.count("array"));
  EXPECT_TRUE(project.unresolved.empty()) << project.unresolved.size() << " records, first: " << project.unresolved[0];
}

TEST(GenProject, SummaryCountsWhatWasWritten) {
  zumtest::Scratch scratch;
  auto run = generate(scratch, "p", {"--lang", "c", "--list", "files.lst"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  Project project = inspect(scratch.path("p"));
  EXPECT_TRUE(project.unresolved.empty());
  std::ostringstream expected;
  expected << "25 files, " << project.bytes << " bytes, " << project.lines << " lines";
  EXPECT_NE(run.out.find(expected.str()), std::string::npos) << run.out << "\nwanted: " << expected.str();

  // One source name per line, each with its metric and error files beside the list.
  std::vector<std::string> sources = zumtest::lines(project.files.at("files.lst"));
  ASSERT_EQ(sources.size(), 12u);
  for (const std::string& source : sources) {
    EXPECT_TRUE(project.files.count(fs::path(source).filename().string() + ".met")) << source;
    EXPECT_TRUE(project.files.count(fs::path(source).filename().string() + ".err")) << source;
  }
}

TEST(GenProject, BadArgumentsAreRefused) {
  zumtest::Scratch scratch;
  EXPECT_EQ(generate(scratch, "p", {"--lang", "fortran"}).exitCode, 2);
  EXPECT_EQ(generate(scratch, "p", {"--sources", "many"}).exitCode, 2);
  auto help = zumtest::runTool(scratch, "zum-genproject", {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--error-fraction"), std::string::npos);
}
