#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ScratchDir.h"
#include "options/ConfigFile.h"
#include "options/DebugSwitches.h"
#include "options/EnvironmentPaths.h"
#include "options/IniFile.h"
#include "options/ProductTable.h"
#include "options/TextTranslation.h"
#include "options_test_support.h"
#include "util/Exception.h"

namespace fs = std::filesystem;
using optionstest::Capture;

namespace {

// A scratch directory with a compiler directory "bin" and the environment
// of a run pointing into it; the process environment is restored after.
class SourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zum::ProcessState::reset();
    fs::create_directories(dir_ / "bin");
    fs::create_directories(dir_ / "home");
    savedCwd_ = fs::current_path();
    fs::current_path(dir_);
    for (const char* name : {"ZEKBIN", "ZEKRCPATH", "ZEKTEMPFILES", "ZEKOUTPATH", "HOME", "TMP", "LANG",
                             "NO_LANG_CACHE"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      ::unsetenv(name);
    }
    ::setenv("ZEKBIN", (dir_ / "bin").c_str(), 1);
    ::setenv("HOME", (dir_ / "home").c_str(), 1);
    ::setenv("TMP", dir_.c_str(), 1);
  }

  void TearDown() override {
    fs::current_path(savedCwd_);
    for (const auto& [name, value] : saved_) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
    zum::ProcessState::reset();
  }

  struct Run {
    U_Handle<C_CmdArgs> cmdArgs;
    C_OrphanFileHandler sources;
    std::string out;
    std::string err;
  };

  Run parse(std::vector<std::string> arguments, const std::string& product = "ZEK") {
    Run run;
    run.cmdArgs = U_make<C_CmdArgs>(product, std::vector<U_String>(arguments.begin(), arguments.end()));
    Capture out(std::cout);
    Capture err(std::cerr);
    run.cmdArgs->parse(run.sources);
    run.out = out.text();
    run.err = err.text();
    return run;
  }

  static std::vector<std::string> names(const C_OrphanFileHandler& sources) {
    std::vector<std::string> result;
    for (const auto& entry : sources) result.push_back(entry.file.given().text());
    return result;
  }

  zumtest::ScratchDir scratch_{"zum-options"};
  const fs::path& dir_ = scratch_.dir();

 private:
  fs::path savedCwd_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace

TEST_F(SourcesTest, ConfigurationThenDefaultsThenCommandLine) {
  scratch_.write("bin/zek.cfg", "#options\n-t 1 -debug cfg -echo cfg\n");
  scratch_.write(".zekrc", "-t 2 -debug rc -echo rc\n");
  Run run = parse({"-echo", "cmd", "-debug", "cmd", "f.c"});
  EXPECT_EQ(run.out, "cfg\nrc\ncmd\n");
  EXPECT_EQ(run.cmdArgs->options().tabStop().value(), 2);
  EXPECT_EQ(run.cmdArgs->options().debug().values(), (std::vector<U_String>{"cfg", "rc", "cmd"}));
  EXPECT_TRUE(C_isDebugSwitchSet(*run.cmdArgs, "rc"));
  EXPECT_FALSE(C_isDebugSwitchSet(*run.cmdArgs, "RC"));
  EXPECT_TRUE(run.cmdArgs->parseCompleted());
  EXPECT_EQ(run.err, "");
  // A second parse does nothing.
  run.cmdArgs->parse(run.sources);
  EXPECT_EQ(run.cmdArgs->options().debug().values().size(), 3u);
  // The run's product is set only while the arguments are read.
  EXPECT_EQ(C_runProductIndex(), -1);
}

TEST_F(SourcesTest, ViaFilesAreReadWhereTheyAreNamed) {
  scratch_.write("a.via", "-echo a1 -via b.via -echo a2\n");
  scratch_.write("b.via", "-echo b\n");
  scratch_.write("files.lst", "* a comment line\nx.c\n  y.c\n");
  Run run = parse({"-echo", "0", "-via", "a.via", "-echo", "1", "-list=files.lst", "-viab.via"});
  EXPECT_EQ(run.out, "0\na1\nb\na2\n1\nb\n");
  EXPECT_EQ(names(run.sources), (std::vector<std::string>{"x.c", "y.c"}));
  EXPECT_TRUE(run.cmdArgs->options().list().given());
}

TEST_F(SourcesTest, ValueMissingAtTheEndOfAViaFileIsTakenFromBelow) {
  scratch_.write("a.via", "-op\n");
  Run run = parse({"-via", "a.via", "out", "f.c"});
  EXPECT_EQ(run.cmdArgs->options().outputPath().value(), "out");
}

// Going deeper ends the run (tested end to end).
TEST_F(SourcesTest, ViaFilesNestSixtyFourDeep) {
  for (int i = 0; i < 64; ++i) scratch_.write("v" + std::to_string(i), i < 63 ? "-via v" + std::to_string(i + 1) : "end.c");
  EXPECT_EQ(names(parse({"-via", "v0"}).sources), std::vector<std::string>{"end.c"});
}

TEST_F(SourcesTest, DefaultsFileLookup) {
  scratch_.write("home/.zekrc", "-echo home\n");
  EXPECT_EQ(parse({"f.c"}).out, "home\n");
  scratch_.write(".zekrc", "-echo cwd\n");
  EXPECT_EQ(parse({"f.c"}).out, "cwd\n");
  scratch_.write("rc/.zekrc", "-echo rcpath\n");
  ::setenv("ZEKRCPATH", (dir_ / "rc").c_str(), 1);
  EXPECT_EQ(parse({"f.c"}).out, "rcpath\n");
  // The variable wins even when its directory has no file.
  ::setenv("ZEKRCPATH", (dir_ / "none").c_str(), 1);
  EXPECT_EQ(parse({"f.c"}).out, "");
  EXPECT_EQ(C_defaultsFilePath(zum::ProductTable[zum::findProduct("ZEK")]), (dir_ / "none/.zekrc").string());
}

TEST_F(SourcesTest, SourcesAreKeptOnceWithTheirOutputDirectory) {
  scratch_.write("f.c", "");
  ::setenv("ZEKOUTPATH", "env\\out", 1);
  Run run = parse({"f.c", "-op", "out", "g.c", "F.C", "./f.c", "-op", "other", "h.c", "g.c"});
  ASSERT_EQ(run.sources.count(), 3u);
  EXPECT_EQ(names(run.sources), (std::vector<std::string>{"f.c", "g.c", "h.c"}));
  EXPECT_EQ(run.sources.entries()[0].outputDirectory, (fs::canonical(dir_) / "env/out").string());
  EXPECT_EQ(run.sources.entries()[1].outputDirectory, "out");
  EXPECT_EQ(run.sources.entries()[2].outputDirectory, "other");
  ::unsetenv("ZEKOUTPATH");
  EXPECT_EQ(parse({"f.c"}).sources.entries()[0].outputDirectory, ".");
}

TEST_F(SourcesTest, ConfigurationFileSectionsAndMessages) {
  scratch_.write("bin/zek.cfg",
        "stray line before any section\n"
        "#messages\none\ntwo\n* a comment\nthree\nfour\n"
        "#opt\nignored\n"
        "#general\n1\n2\n"
        "#formatx\n${NOT_CLOSED\n"
        "#OPTIONSX\n-echo options\n");
  Run run = parse({"f.c"});
  // Each message is followed by the line it is about.
  const std::string file = (dir_ / "bin/zek.cfg").string();
  EXPECT_EQ(run.out,
            "\nERROR: Unexpected configuration data: four\n  in '" + file + "' at line 7\n"
            "\nERROR: Unknown section #opt\n  in '" + file + "' at line 8\n"
            "\nERROR: Badly formed variable substitution:\n\t${NOT_CLOSED\n  in '" + file + "' at line 14\n"
            "options\n");
  EXPECT_EQ(run.cmdArgs->configuration().strings.at("messages"), (std::vector<U_String>{"one", "two", "three"}));
  EXPECT_EQ(run.cmdArgs->configuration().integers.at("general"), (std::vector<int>{1, 2}));
}

TEST_F(SourcesTest, ConfigurationFileOfEachProduct) {
  scratch_.write("bin/zekpp.cfg", "#characters\na\\tb\\n\\q\n#internal\n7\n#options\n-t 3\n");
  ::setenv("ZEKPPBIN", (dir_ / "bin").c_str(), 1);
  Run run = parse({"f.c"}, "ZEKPP");
  ::unsetenv("ZEKPPBIN");
  EXPECT_EQ(run.cmdArgs->configuration().strings.at("characters"), std::vector<U_String>{"a\tb\nq"});
  EXPECT_EQ(run.cmdArgs->options().tabStop().value(), 3);
  // ZEK has no "characters" section.
  scratch_.write("bin/zek.cfg", "#characters\nx\n#options\n");
  EXPECT_EQ(parse({"f.c"}).out,
            "\nERROR: Unknown section #characters\n  in '" + (dir_ / "bin/zek.cfg").string() + "' at line 1\n");
  EXPECT_EQ(C_configSections(zum::findProduct("KOD")).size(), 2u);
  // Only a regular file is a configuration file: a directory cannot be
  // opened as one, and a pipe must not stall the run.
  fs::remove(dir_ / "bin/zek.cfg");
  fs::create_directory(dir_ / "bin/zek.cfg");
  EXPECT_EQ(parse({"f.c"}).err, "\nERROR: Unable to open configuration file " + (dir_ / "bin/zek.cfg").string() + "\n\n");
  fs::remove(dir_ / "bin/zek.cfg");
  ASSERT_EQ(::mkfifo((dir_ / "bin/zek.cfg").c_str(), 0600), 0);
  EXPECT_EQ(parse({"f.c"}).err, "\nERROR: Unable to open configuration file " + (dir_ / "bin/zek.cfg").string() + "\n\n");
}

TEST_F(SourcesTest, TemporaryDirectory) {
  const zum::ProductRow& zek = zum::ProductTable[zum::findProduct("ZEK")];
  EXPECT_EQ(C_temporaryDirectory(zek), dir_.string());
  ::setenv("ZEKTEMPFILES", (dir_ / "bin").c_str(), 1);
  EXPECT_EQ(C_temporaryDirectory(zek), (dir_ / "bin").string());
  // A directory that does not exist ends the run (tested end to end).
  // No file of the nvt kind is left behind.
  ::unsetenv("ZEKTEMPFILES");
  C_temporaryDirectory(zek);
  for (const auto& entry : fs::directory_iterator(dir_)) EXPECT_NE(entry.path().filename().string().substr(0, 3), "nvt");
}

TEST_F(SourcesTest, InputEncodingFromTheLanguageSetting) {
  // ja_JP, ja_JP.SJIS and ja_jp are tested end to end.
  EXPECT_EQ(XF_encodingOfLanguage("japanese.euc"), XF_EUC);
  EXPECT_EQ(XF_encodingOfLanguage("Ja_JP"), XF_SJ);
  EXPECT_EQ(XF_encodingOfLanguage("default"), XF_ASC);
  EXPECT_EQ(XF_languageVariantSuffix(XF_SJ), ".jp.sj");
  EXPECT_EQ(XF_languageVariantSuffix(XF_ASC), "");

  const zum::ProductRow& zek = zum::ProductTable[zum::findProduct("ZEK")];
  const U_String bin = (dir_ / "bin").string();
  EXPECT_EQ(XF_languageSetting(zek, bin), "default");
  ::setenv("LANG", "ja_JP.SJIS", 1);
  EXPECT_EQ(XF_languageSetting(zek, bin), "default");  // kept for the process
  ::setenv("NO_LANG_CACHE", "1", 1);
  EXPECT_EQ(XF_languageSetting(zek, bin), "ja_JP.SJIS");
  scratch_.write("bin/ZEK.ini", "[Other]\nNVT_LANG=ja\n[japanese]\n nvt_lang = \"japanese\" \n");
  EXPECT_EQ(XF_languageSetting(zek, bin), "japanese");
  EXPECT_EQ(XF_decideInputEncoding(zek, bin), XF_SJ);
  ::unsetenv("NO_LANG_CACHE");
}

TEST(IniFile, MissingPiecesGiveEmptyText) {
  EXPECT_EQ(zum::readIniValue("/no/such.ini", "Japanese", "NVT_LANG"), "");
}
