// Projects the checks and metrics must survive: records naming what their
// source never declared, metric values that are no numbers, a call cycle
// through a hundred thousand functions, and module options that are no
// JSON.
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
  // A value that is no number adds nothing; a negative count neither.
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
                                    "close_name::ignore=['_']", "-prodoption", "close_name::similar+"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(r.findings, (std::vector<std::string>{
                            "ERROR: option parsing: unexpected end of input line:1 column: 6",
                            "ERROR: option parsing",
                            ":1: Msg=1710 #params=3 {my_var, myvar, MsgList={a.cpp:1: Msg=1594 #params=1 {" +
                                moduletest::entity("my_var") + "} ; a.cpp:2: Msg=1594 #params=1 {" +
                                moduletest::entity("myvar") + "}}}",
                        }));
}

}  // namespace
