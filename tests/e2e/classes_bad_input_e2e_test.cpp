// Projects the checks and metrics of C++ classes must finish with sensible
// values: bases that form a cycle, a class with a hundred thousand members,
// members of classes never declared, and methods named like members.
#include <gtest/gtest.h>

#include <algorithm>

#include "ProjectRun.h"

using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

// The values of one metric, in the order the classes are written.
std::vector<std::string> valuesOf(const std::vector<std::string>& metrics, const std::string& metric) {
  std::vector<std::string> values;
  for (const std::string& line : metrics)
    if (line.starts_with("<S>" + metric + " ")) values.push_back(line.substr(4 + metric.size()));
  return values;
}

std::vector<std::string> namesOf(const std::vector<std::string>& metrics) {
  std::vector<std::string> names;
  for (const std::string& line : metrics)
    if (line.starts_with("<S>STNAM ")) names.push_back(line.substr(9));
  return names;
}

// A derives from D, D from C, C from B and B from A; each class has a
// default constructor, implicit copy functions and a method that refers to
// a member of the class it derives from.
std::string baseCycle() {
  const std::string classes = "ABCD";
  std::string text;
  for (std::size_t i = 0; i < classes.size(); ++i) {
    const std::string c(1, classes[i]), line = std::to_string(10 * (i + 1));
    text += "<DEFINE> " + c + " a.cpp " + line + " N DC TG F X {c" + c + "} -\n";
    text += "<DEFINE> " + c + " a.cpp " + line + " N DF TG F X {c" + c + "} -\n";
    text += "<DEFINE> " + c + "::m_v a.cpp " + line + " N DC MB C N ni 3\n";
    text += "<DEFINE> " + c + "::@constructor() a.cpp " + line + " N DC OF C X ()vd 1\n";
    text += "<DEFINE> " + c + "::@constructor(," + c + "&) a.cpp " + line + " N DI OF C X (&{c" + c + "})vd 5\n";
    text += "<DEFINE> " + c + "::f() a.cpp " + line + " N DC OF C X ()vd 1\n";
    text += "<DEFINE> " + c + "::f() a.cpp " + line + " N DF OF C X ()vd 1\n";
  }
  for (std::size_t i = 0; i < classes.size(); ++i) {
    const std::string base(1, classes[i]), derived(1, classes[(i + 1) % classes.size()]);
    text += "<R>B " + base + " " + derived + " 50 -\n";
    text += "<R>X " + derived + "::f() " + base + "::m_v 51 R\n";
  }
  text += "<DEFINE> main() a.cpp 60 N DC OF F X ()ni -\n<DEFINE> main() a.cpp 60 N DF OF F X ()ni -\n";
  text += "<R>C main() A::@constructor(,A&) 61 -\n";
  return text;
}

TEST(ClassBadInput, BasesThatFormACycleEndWithEveryClassOnce) {
  ProjectRun project("");
  project.writeMetricFile("a.cpp", baseCycle());
  const auto r = project.runSimple("ZEKPP", {"a.cpp"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(namesOf(r.metrics), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_EQ(valuesOf(r.metrics, "STNOC"), (std::vector<std::string>{"1", "1", "1", "1"}));
  // Each method refers to a member of its own base only.
  EXPECT_EQ(valuesOf(r.metrics, "STCBO"), (std::vector<std::string>{"0", "0", "0", "0"}));
  // Every class is a base: every default constructor runs. Copying an A
  // copies its bases all around the cycle.
  EXPECT_EQ(messagesOf(r.findings, 1700), std::vector<std::string>{});
  EXPECT_EQ(messagesOf(r.findings, 1701), std::vector<std::string>{});
}

// Big has a hundred thousand private data members and a getter for each.
TEST(ClassBadInput, AHundredThousandMembersMakeAHundredThousandGroups) {
  constexpr int kCount = 100000;
  std::string text = "<DEFINE> Big big.cpp 1 N DC TG F X {cBig} -\n<DEFINE> Big big.cpp 1 N DF TG F X {cBig} -\n";
  text.reserve(static_cast<std::size_t>(kCount) * 200);
  for (int i = 0; i < kCount; ++i) {
    const std::string n = std::to_string(i), line = std::to_string(i + 2);
    text += "<DEFINE> Big::m_" + n + " big.cpp " + line + " N DC MB C N ni 3\n";
    text += "<DEFINE> Big::get" + n + "() big.cpp " + line + " N DC OF C X ()ni G1\n";
    text += "<DEFINE> Big::get" + n + "() big.cpp " + line + " N DF OF C X ()ni G1\n";
    text += "<R>X Big::get" + n + "() Big::m_" + n + " " + line + " R\n";
  }
  ProjectRun project("");
  project.writeMetricFile("big.cpp", text);
  const auto r = project.runSimple("ZEKPP", {"big.cpp"}, {"-prodoption", "class::member_encapsulation_ratio=0.5"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(valuesOf(r.metrics, "STLCM"), std::vector<std::string>{"100000"});
  EXPECT_EQ(valuesOf(r.metrics, "STRFC"), std::vector<std::string>{"100000"});
  // Every member is reached: 1 x (1 - 1 / sqrt(100000)).
  EXPECT_EQ(messagesOf(r.findings, 1760), std::vector<std::string>{"big.cpp:1: Msg=1760 #params=2 {0.996838, 0.5}"});
}

// Ghost is never declared, but its members are; Twin has a member and a
// method both called value, and a method that refers to itself.
TEST(ClassBadInput, MembersOfUndeclaredClassesAndMethodsNamedLikeMembers) {
  ProjectRun project("");
  project.writeMetricFile("a.cpp",
                          "<DEFINE> Ghost::m_x a.cpp 1 N DC MB C N ni 3\n"
                          "<DEFINE> Ghost::f() a.cpp 2 N DC OF C X ()vd 1\n"
                          "<DEFINE> Ghost::f() a.cpp 2 N DF OF C X ()vd 1\n"
                          "<DEFINE> Ghost::@constructor() a.cpp 3 N DC OF C X ()vd 1\n"
                          "<R>X Ghost::f() Ghost::m_x 2 R\n"
                          "<DEFINE> Twin a.cpp 5 N DC TG F X {cTwin} -\n"
                          "<DEFINE> Twin a.cpp 5 N DF TG F X {cTwin} -\n"
                          "<DEFINE> Twin::value a.cpp 6 N DC MB C N ni 3\n"
                          "<DEFINE> Twin::value() a.cpp 7 N DC OF C X ()ni G1\n"
                          "<DEFINE> Twin::value() a.cpp 7 N DF OF C X ()ni G1\n"
                          "<R>X Twin::value() Twin::value 7 R\n"
                          "<DEFINE> Twin::tick() a.cpp 8 N DC OF C X ()vd 1\n"
                          "<DEFINE> Twin::tick() a.cpp 8 N DF OF C X ()vd 1\n"
                          "<R>C Twin::tick() Twin::tick() 8 -\n"
                          "<R>X Twin::tick() Twin::tick() 8 -\n"
                          "<R>X Twin::tick() Ghost::m_x 8 R\n"
                          "<R>C Twin::tick() Ghost::f() 8 -\n"
                          "<R>X Twin::tick() Ghost::f() 8 -\n");
  const auto r = project.runSimple("ZEKPP", {"a.cpp"}, {"-prodoption", "class::member_encapsulation_ratio=0"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  // Only Twin is a class. value() uses value and tick() itself: two groups
  // that share nothing. Ghost's members couple Twin to it.
  EXPECT_EQ(namesOf(r.metrics), std::vector<std::string>{"Twin"});
  EXPECT_EQ(valuesOf(r.metrics, "STLCM"), std::vector<std::string>{"2"});
  EXPECT_EQ(valuesOf(r.metrics, "STCBO"), std::vector<std::string>{"2"});
  EXPECT_EQ(valuesOf(r.metrics, "STRFC"), std::vector<std::string>{"3"});
  // The one private member of Twin is reached by its getter: 1 x (1 - 1).
  EXPECT_EQ(messagesOf(r.findings, 1760), std::vector<std::string>{});
  EXPECT_EQ(messagesOf(r.findings, 1700),
            std::vector<std::string>{"a.cpp:3: Msg=1700 #params=1 {Ghost::@constructor\x8E\x8F}"});
}

}  // namespace
