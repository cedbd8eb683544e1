// Where options come from, as a user of the program sees them: what ends a
// run and what only warns (the order of the sources, via nesting, the
// defaults lookup and the configuration's messages are unit tests).
#include "ZumRunner.h"

namespace {

using zumtest::kUsage;
using OptionSources = zumtest::ZumTest;

}  // namespace

TEST_F(OptionSources, ListFileNamesTheSources) {
  scratch_.write("one.lst", "* a.c\nf.c\n");
  EXPECT_EQ(run({"ZEK", "-list", "one.lst"}).exitCode, 0);  // one source: a single-file run
  scratch_.write("two.lst", "f.c g.c\n");
  EXPECT_EQ(run({"ZEK", "-list", "two.lst"}).exitCode, 10);
}

TEST_F(OptionSources, VariablesInViaFiles) {
  env_["ZUM_WORD"] = "word";
  scratch_.write("v.via", "-echo $ZUM_WORD/x -echo ${ZUM_WORD}/x -echo $$ZUM_WORD\n-echo ${ZUM_WORD f.c\n");
  const auto r = run({"ZEK", "-cmaf", "p", "g.c", "-via", "v.via"});
  EXPECT_EQ(r.out,
            "word/x\nword/x\n$ZUM_WORD\n"
            "\nERROR: Badly formed variable substitution:\n\t-echo ${ZUM_WORD f.c\n  in 'v.via' at line 2\n");
  // The rest of the line went with the bad reference, so "-echo" has no value.
  EXPECT_EQ(r.err, "\nERROR: Argument expected after echo\n\n");
  EXPECT_EQ(r.exitCode, 0);
}

TEST_F(OptionSources, SelfNamingViaFileEndsTheRun) {
  scratch_.write("self.via", "-via self.via\n");
  const auto r = run({"ZEK", "-cmaf", "p", "f.c", "-via", "self.via"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "\nERROR: Via files nested more than 64 deep, at self.via\n\n" + kUsage);
  EXPECT_EQ(r.exitCode, 10);
  // Also in its glued form, which opens without reading a value.
  scratch_.write("glued.via", "-viaglued.via");
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c", "-viaglued.via"}).exitCode, 10);
}

TEST_F(OptionSources, TenMegabyteOneLineViaFile) {
  std::string line = "-nomsg ";
  while (line.size() < 10 * 1024 * 1024) line += "1-2000000000,";
  scratch_.write("big.via", line + "\n");
  const auto r = run({"ZEK", "-cmaf", "p", "f.c", "-via", "big.via"});
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitCode, 0);
  const std::string warning =
      "\n\nWARNING: configured number range 1-2000000000 is too large.\n"
      "WARNING: Will truncate range to 1-20000.\n\n\n";
  ASSERT_EQ(r.err.size() % warning.size(), 0u);
  EXPECT_EQ(r.err.size() / warning.size(), (line.size() - 7) / 13);
  EXPECT_EQ(r.err.substr(0, warning.size()), warning);
}

TEST_F(OptionSources, AZeroByteIsAnErrorNamingTheFileAndLine) {
  // Never a silent merge of two names ("main.cstock.c", util.c dropped).
  scratch_.write("p.lst", std::string("* sources\nmain.c\0util.c\nstock.c\n", 32));
  auto r = run({"ZEK", "-cmaf", "p", "-list", "p.lst"});
  EXPECT_EQ(r.err, "\nERROR: Unexpected zero byte in 'p.lst' at line 2\n\n" + kUsage);
  EXPECT_EQ(r.exitCode, 10);
  // The same in the options section of the configuration file.
  scratch_.write("bin/zek.cfg", std::string("#options\n-echo x\n\0", 18));
  r = run({"ZEK", "-cmaf", "p", "f.c"});
  EXPECT_EQ(r.err, "\nERROR: Unexpected zero byte in '" + scratch_.path("bin").string() + "/zek.cfg' at line 3\n\n" + kUsage);
}

TEST_F(OptionSources, BinaryFileAsViaFile) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 24);
  }
  scratch_.write("data.bin", bytes);
  const auto r = run({"ZEK", "-cmaf", "p", "f.c", "-via", "data.bin"});
  EXPECT_EQ(r.signal, 0);
  EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 10) << r.exitCode;
  // A directory is no via file.
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c", "-via", "bin"}).err, "\nERROR: Unable to open bin\n\n");
}

TEST_F(OptionSources, ConfigurationFileSections) {
  for (const char* header : {"#OPTIONS", "#optionsX", "#Options 2"}) {
    scratch_.write("bin/zek.cfg", std::string(header) + "\n-echo opts\n");
    EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c"}).out, "opts\n") << header;
  }
  // The unknown-option check applies to the configuration's options too.
  scratch_.write("bin/zek.cfg", "#options\n-eica -zz\n");
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c"}).err, "\nERROR: Unknown argument: -zz\n\n" + kUsage);
}

TEST_F(OptionSources, TheDefaultsFileCanMakeEveryRunMultiFileAndForgetallUndoesIt) {
  scratch_.write(".zekrc", "-cmaf project\n");
  EXPECT_EQ(run({"ZEK", "a.c", "b.c"}).exitCode, 0);
  // Without the project file from the defaults this is a single-file run.
  EXPECT_EQ(run({"ZEK", "-forgetall", "cmaf", "a.c", "b.c"}).exitCode, 10);
  EXPECT_EQ(run({"ZEK", "-forgetall", "cmaf", "a.c"}).exitCode, 0);
}

TEST_F(OptionSources, ShiftJisInputIsTranslatedToEuc) {
  scratch_.write("j.via", "-echo \x82\xa0\x95\x5c\n-echo \"\xb1 x\"\n");
  env_["LANG"] = "ja_JP.SJIS";
  auto r = run({"ZEK", "-cmaf", "p", "f.c", "-via", "j.via"});
  EXPECT_EQ(r.out, "\xa4\xa2\xc9\xbd\n\x8e\xb1 x\n");
  EXPECT_EQ(r.exitCode, 0);
  // EUC is the internal encoding: nothing changes, so the second byte of
  // the last character is a backslash that continues the line.
  env_["LANG"] = "ja_JP";
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c", "-via", "j.via"}).out, "\x82\xa0\x95-echo\n");
  // The settings file of the compiler directory wins over LANG.
  scratch_.write("bin/ZEK.ini", "[Japanese]\nNVT_LANG=japanese\n");
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c", "-via", "j.via"}).out, "\xa4\xa2\xc9\xbd\n\x8e\xb1 x\n");
}

TEST_F(OptionSources, BrokenShiftJisEndsTheRun) {
  env_["LANG"] = "ja_JP.SJIS";
  scratch_.write("bad.via", "-echo before\n-echo \x81\x3f\n");
  const auto r = run({"ZEK", "-cmaf", "p", "f.c", "-via", "bad.via"});
  EXPECT_EQ(r.out, "");  // the whole file is translated before it is read
  // The designed text, then the place on a line of its own, so that the
  // usage starts on its own line.
  EXPECT_EQ(r.err, "Character out of range.  Missing -en?\n  in 'bad.via' at line 2\n" + kUsage);
  EXPECT_EQ(r.exitCode, 10);
  env_["LANG"] = "ja_jp";
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c", "-via", "bad.via"}).exitCode, 0);
}
