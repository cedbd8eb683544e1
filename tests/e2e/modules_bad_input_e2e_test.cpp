// Projects the checks and metrics must survive: records naming what their
// source never declared, metric values that are no numbers, a call cycle
// through a hundred thousand functions, module options that are no JSON,
// one name declared a hundred thousand times, sources that include five
// hundred headers each, type strings of a megabyte and names that differ
// in list markers only.
#include <gtest/gtest.h>

#include <algorithm>

#include "ProjectRun.h"

using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

TEST(BadInput, UnknownNamesAndMalformedLinesAreDroppedAndTheRestIsChecked) {
  ProjectRun project("badinput");
  const auto r = project.runSimple("ZEK", {"bad.c"}, {"-debug", "show-relation-errors", "-debug", "show-extv-errors"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  // Nothing that was dropped refers to f: it is unused.
  EXPECT_EQ(moduletest::numbersOf(r.findings), std::vector<int>{1503});
  EXPECT_EQ(messagesOf(r.findings, 1503), std::vector<std::string>{"bad.c:1: Msg=1503 #params=1 {f}"});
  // The dropped records are reported where asked for, and only there.
  std::string out = r.run.out;
  EXPECT_NE(out.find("Undefined symbol for relation record: <R>C f nowhere 3 -"), std::string::npos);
  EXPECT_NE(out.find("Undefined symbol for extv record: <EXTV> f g_nowhere 6"), std::string::npos);
  // A value that is no number adds nothing; a negative count neither. By
  // default a file is named by its absolute path, with backslashes.
  EXPECT_EQ(r.metrics, (std::vector<std::string>{"<S>", "<S>STFIL ", "<S>STNAM ", "<S>STCYA 0", "<S>STNFA 0",
                                                 "<S>STNEA 1", "<S>STNRA 0", "<S>",
                                                 "<S>STFIL " + [&] {
                                                   std::string path = project.scratch().path("bad.c").string();
                                                   std::replace(path.begin(), path.end(), '/', '\\');
                                                   return path;
                                                 }(),
                                                 "<S>STNAM f", "<S>STM29 0"}));
}

// One source: f0 calls f1 ... calls f99999 calls f0; main calls f0.
std::string ring(int count) {
  std::string text;
  text.reserve(static_cast<std::size_t>(count) * 120);
  for (int f = 0; f < count; ++f)
    text += "<DEFINE> f" + std::to_string(f) + " ring.h " + std::to_string(f + 1) + " I DC OF F X ()vd -\n";
  for (int f = 0; f < count; ++f) {
    const std::string name = "f" + std::to_string(f), callee = "f" + std::to_string((f + 1) % count);
    const std::string line = std::to_string(10 + f);
    text += "<DEFINE> " + name + " ring.c " + line + " N DF OF F X ()vd -\n";
    text += "<R>C " + name + " " + callee + " " + line + " -\n<R>X " + name + " " + callee + " " + line + " -\n";
  }
  text += "<DEFINE> main ring.c 1 N DC OF F X ()ni -\n<DEFINE> main ring.c 1 N DF OF F X ()ni -\n";
  text += "<R>C main f0 2 -\n<R>X main f0 2 -\n";
  return text;
}

TEST(BadInput, ACycleThroughAHundredThousandFunctionsIsOneFinding) {
  constexpr int kCount = 100000;
  ProjectRun project("");
  project.writeMetricFile("ring.c", ring(kCount));
  // Each function is also used in its own file only: those 1505 are held
  // back by the output, to keep the output small.
  const auto r = project.runSimple("ZEK", {"ring.c"}, {"-nomsg", "1505"});
  ASSERT_EQ(r.run.exitCode, 0) << r.run.err;
  EXPECT_EQ(r.run.err, "");
  const std::vector<std::string> cycles = messagesOf(r.findings, 1520);
  ASSERT_EQ(cycles.size(), 1u);
  std::size_t calls = 0;
  for (std::size_t at = 0; (at = cycles[0].find("Msg=1580", at)) != std::string::npos; ++at) ++calls;
  EXPECT_EQ(calls, std::size_t(kCount));
  EXPECT_TRUE(cycles[0].starts_with(":1: Msg=1520 #params=1 {MsgList={ring.c:10: Msg=1580 #params=2 {"))
      << cycles[0].substr(0, 200);
  EXPECT_NE(std::find(r.metrics.begin(), r.metrics.end(), "<S>STNRA 1"), r.metrics.end());
  EXPECT_NE(std::find(r.metrics.begin(), r.metrics.end(), "<S>STNEA 1"), r.metrics.end());
}

// A value that is no JSON is reported and ignored; the run goes on with
// the values that are.
TEST(BadInput, SimilarityOptionsThatAreNoJsonAreReportedAndIgnored) {
  ProjectRun project("");
  project.writeMetricFile("a.cpp",
                          "<DEFINE> my_var a.cpp 1 N DC OV F X ni -\n<DEFINE> myvar a.cpp 2 N DC OV F X ni -\n");
  const auto r = project.runSimple("ZEKPP", {"a.cpp"},
                                   {"-nomsg", "1500", "-prodoption", "close_name::similar=[\"O0\"", "-prodoption",
                                    "close_name::similar=nil", "-prodoption", "close_name::ignore=['_']",
                                    "-prodoption", "close_name::similar+"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(r.findings, (std::vector<std::string>{
                            "ERROR: option parsing: unexpected end of input line:1 column: 6",
                            "ERROR: option parsing: unrecognised character line:1 column: 1",
                            "ERROR: option parsing",
                            ":1: Msg=1710 #params=3 {my_var, myvar, MsgList={a.cpp:1: Msg=1594 #params=1 {" +
                                moduletest::entity("my_var") + "} ; a.cpp:2: Msg=1594 #params=1 {" +
                                moduletest::entity("myvar") + "}}}",
                        }));
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t found = 0;
  for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++found;
  return found;
}

TEST(BadInput, OneNameDeclaredAHundredThousandTimesInSourcesOfFiveHundredHeaders) {
  constexpr int kSources = 1000;
  ProjectRun project("");
  std::vector<std::string> sources;
  for (int s = 0; s < kSources; ++s) {
    const std::string source = "s" + std::to_string(s) + ".c";
    // Headers h0.h to h499.h, of the directory a or b.
    std::string text;
    for (int h = 0; h < 500; ++h)
      text += "<R>I " + source + " " + (s % 2 ? "b/h" : "a/h") + std::to_string(h) + ".h " + std::to_string(h + 1) + "\n";
    for (int line = 1; line <= 100; ++line) {
      const bool last = s == kSources - 1 && line == 100;
      text += "<DEFINE> shared " + source + " " + std::to_string(line) + " N DC OV F X " + (last ? "nl" : "ni") + " -\n";
    }
    project.writeMetricFile(source, text);
    sources.push_back(source);
  }
  const auto r = project.runSimple("ZEK", sources, {"-nomsg", "1500", "-nomsg", "1512", "-nomsg", "1513"});
  ASSERT_EQ(r.run.exitCode, 0) << r.run.err;
  EXPECT_EQ(r.run.err, "");
  // The last declaration has another type: every place is listed once.
  const std::vector<std::string> incompatible = messagesOf(r.findings, 1510);
  ASSERT_EQ(incompatible.size(), 1u);
  EXPECT_EQ(count(incompatible[0], "Msg=1594"), std::size_t(kSources) * 100);
  // Each header name stands under a and under b.
  const std::vector<std::string> duplicates = messagesOf(r.findings, 1515);
  ASSERT_EQ(duplicates.size(), 500u);
  EXPECT_EQ(duplicates[0], ":1: Msg=1515 #params=2 {h0.h, MsgList={:1: Msg=1578 #params=1 {a/h0.h} ; "
                           ":1: Msg=1578 #params=1 {b/h0.h}}}");
}

TEST(BadInput, TypeStringsOfAMegabyteAndNamesThatDifferInListMarkersOnly) {
  ProjectRun project("");
  const std::string big(1 << 20, 'x');
  project.writeMetricFile("a.c", "<DEFINE> big a.c 1 N DC OV F X " + big + "1 -\n"
                                 "<DEFINE> bigarr a.c 2 N DC OV F X [?," + big + "] -\n"
                                 "<DEFINE> f(int) a.c 3 N DC OF F I (ni)vd -\n");
  // The list markers of a name are bytes of their own: "f\x8Eint\x8F" is
  // written as f(int) is marked.
  project.writeMetricFile("b.c", "<DEFINE> big b.c 1 N DC OV F X " + big + "2 -\n"
                                 "<DEFINE> bigarr b.c 2 N DC OV F X [10," + big + "] -\n"
                                 "<DEFINE> f\x8Eint\x8F b.c 3 N DC OF F X (ni)vd -\n");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c"});
  ASSERT_EQ(r.run.exitCode, 0) << r.run.err;
  EXPECT_EQ(r.run.err, "");
  // Only the types that differ, at their end, are incompatible.
  const std::vector<std::string> incompatible = messagesOf(r.findings, 1510);
  ASSERT_EQ(incompatible.size(), 1u);
  EXPECT_TRUE(incompatible[0].starts_with(":1: Msg=1510 #params=2 {big, MsgList={a.c:1: Msg=1594"));
  // One function name, external in b.c and static in a.c.
  EXPECT_EQ(messagesOf(r.findings, 1525).size(), 1u);
}

}  // namespace
