// Diagnostics and suppression records through the current writer and back
// through the reader, and the appending rules of the project error file
// (the older generation: its writer's bytes, its reader's hand-made files
// and zum-errdump's and zum-report's end-to-end reading).
#include <gtest/gtest.h>

#include "messages/Diagnostic.h"
#include "messages/ErrorFileExceptions.h"
#include "messages/InputVarnix.h"
#include "messages/OutputVarnix.h"
#include "messages/OutputVarnix2.h"
#include "messages/SuppressionRecord.h"
#include "messages_test_support.h"
#include "settings_test_support.h"
#include "util/ProcessState.h"

using messagestest::Bytes;
using messagestest::file;
using messagestest::hex;
using messagestest::readFile;
using messagestest::TempDir;
using messagestest::writeFile;

namespace {

class ErrorFileRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zum::ProcessState::reset();
    publishSettings([](C_RunSettings& s) { s.showIncludeChain = s.showInstantiationChain = true; });
  }
  void TearDown() override { zum::ProcessState::reset(); }

  M_InputVarnix readBack(const std::string& name) {
    M_InputVarnix input(name);
    input.setSource(mainFile);
    input.open();
    return input;
  }

  std::vector<std::string> debugTexts(const M_InputVarnix& input) {
    std::vector<std::string> texts;
    for (const auto& d : input.diagnostics()) texts.push_back(d->debugText());
    return texts;
  }

  TempDir dir;
  const std::string name = dir.path("p.err");
  const XF_Filename mainFile = file("/p/main.c", "main.c");
};

// A header diagnostic with every part, whose chains share locations.
std::vector<U_Handle<M_Diagnostic>> richDiagnostics(const XF_Filename& mainFile) {
  const U_Location top(mainFile, 2, 0);
  const U_Location mid(file("/p/mid.h", "mid.h"), 4, 0, top);
  auto macros = U_make<U_MacroHistory>(U_Location(mainFile, 8, 3), U_Identifier("INNER"),
                                       U_make<U_MacroHistory>(U_Location(mainFile, 9, 1), U_Identifier("OUTER"), nullptr));
  const U_Location deep = U_Location(file("/p/deep.h", "deep.h"), 11, 6, mid, macros)
                              .withHLLoc(file("/p/gen.y", "gen.y"), 120)
                              .withInstFromLoc(U_Location(mainFile, 30, 2), U_make<U_StoredEntityDisplayName>("S<int>"));

  auto d1 = U_make<M_Diagnostic>(1701, deep);
  d1->addString("first");
  d1->addStringList({"x", "", "z"});
  d1->addEntity(U_make<U_StoredEntityDisplayName>("S<int>::f"), 0);
  auto sub1 = U_make<M_Diagnostic>(3966, mid);
  sub1->addString("sub one");
  auto sub2 = U_make<M_Diagnostic>(3967, U_Location(mainFile, 40, 1));
  auto subsub = U_make<M_Diagnostic>(3968, deep);
  subsub->addStringList({"q"});
  sub2->addMessageList({subsub});
  sub2->setHiddenByUser(true);
  d1->addMessageList({sub1, sub2});
  d1->setHiddenByUser(true);

  auto d2 = U_make<M_Diagnostic>(1502, U_Location(mainFile, 3, 0));
  d2->setError(true);
  auto d3 = U_make<M_Diagnostic>(1503);  // no location
  d3->addString("global");
  return {d1, d2, d3};
}

}  // namespace

TEST_F(ErrorFileRoundTripTest, CurrentGenerationKeepsEveryPartAndParameter) {
  const auto diagnostics = richDiagnostics(mainFile);
  const U_Location shared = diagnostics[0]->location();
  M_SuppressionRecord closed(1, shared.inclLoc(), "-e1701", {{"1700", "1702"}, {"1760", ""}}, shared, U_Location(mainFile, 50, 0));
  M_SuppressionRecord open(2, U_Location(mainFile, 1, 1), "", {}, U_Location(mainFile, 1, 0), U_Location());

  M_OutputVarnix2 output(false);
  output.open(name);
  output.writeDiagnostic(*diagnostics[0], true);
  output.writeSuppressionRecord(closed);
  output.writeDiagnostic(*diagnostics[1], false);
  output.writeSuppressionRecord(open);
  output.writeDiagnostic(*diagnostics[2], false);
  output.close();

  M_InputVarnix input = readBack(name);
  EXPECT_EQ(input.version(), 0x8200);
  ASSERT_EQ(input.diagnostics().size(), 3u);
  diagnostics[0]->setHiddenByPragma(true);  // written as suppressed
  // The entity comes back as the string of its first form.
  std::string expectedFirst = diagnostics[0]->debugText();
  const std::string entity = "Entity={S<int>::f,S<int>::f,S<int>::f,S<int>::f,S<int>::f}";
  expectedFirst.replace(expectedFirst.find(entity), entity.size(), "S<int>::f");
  EXPECT_EQ(input.diagnostics()[0]->debugText(), expectedFirst);
  EXPECT_EQ(input.diagnostics()[1]->debugText(), diagnostics[1]->debugText());
  EXPECT_EQ(input.diagnostics()[2]->debugText(), "nofile.cc:0: Msg=1503 #params=1 {global}");
  EXPECT_TRUE(input.diagnostics()[1]->isError());
  EXPECT_FALSE(input.diagnostics()[2]->location().isSet());

  const M_Diagnostic& back = *input.diagnostics()[0];
  EXPECT_EQ(back.param(2)->text(), "S<int>::f");
  EXPECT_NE(dynamic_cast<const M_ParamStringType*>(back.param(2).get()), nullptr);
  const auto* list = dynamic_cast<const M_ParamMsgListType*>(back.param(3).get());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->diagnostics().size(), 2u);
  EXPECT_EQ(list->diagnostics()[0]->debugText(), "mid.h:4: Msg=3966 #params=1 {sub one} incl{main.c:2}");
  EXPECT_FALSE(list->diagnostics()[0]->isHiddenByPragma());
  EXPECT_TRUE(list->diagnostics()[1]->isHiddenByUser());

  // Locations written once come back as one object.
  const U_Location& loc = back.location();
  EXPECT_EQ(loc.inclLoc(), list->diagnostics()[0]->location());
  EXPECT_EQ(loc.macroHistory()->macroName().view(), "INNER");
  EXPECT_EQ(loc.macroHistory()->outer()->macroName().view(), "OUTER");
  EXPECT_EQ(loc.macroHistory()->outer()->location().line(), 9);
  EXPECT_EQ(loc.hlFile().given().view(), "gen.y");
  EXPECT_EQ(loc.hlLine(), 120);
  EXPECT_EQ(loc.instEntity()->text(1), "S<int>");
  EXPECT_EQ(loc.file().absolute().view(), "/p/deep.h");

  ASSERT_EQ(input.suppressionRecords().size(), 2u);
  const M_SuppressionRecord& s1 = *input.suppressionRecords()[0];
  EXPECT_EQ(s1.kind(), 1);
  EXPECT_EQ(s1.location(), loc.inclLoc());
  EXPECT_EQ(s1.begin(), loc);
  EXPECT_EQ(s1.end().line(), 50);
  EXPECT_EQ(s1.messageRanges(), closed.messageRanges());
  EXPECT_EQ(s1.text(), "-e1701");
  const M_SuppressionRecord& s2 = *input.suppressionRecords()[1];
  EXPECT_EQ(s2.kind(), 2);
  EXPECT_TRUE(s2.messageRanges().empty());
  EXPECT_FALSE(s2.end().isSet());
}

TEST_F(ErrorFileRoundTripTest, AppendingToCurrentFilesAddsSectionsWithRestartingIdentifiers) {
  const U_Location at(mainFile, 5, 1);
  for (int run = 0; run < 3; ++run) {
    M_OutputVarnix2 output(false);
    output.open(name);
    auto d = U_make<M_Diagnostic>(1500 + run, at);
    d->addString("run" + std::to_string(run));
    output.writeDiagnostic(*d, false);
    output.close();
  }
  // Each section defines location 0 and file 0 again.
  Bytes section;
  section.u8(2).i32(0).i32(0).str("/p/main.c").str("main.c").i32(5).i32(1).u8(0);
  Bytes expected;
  expected.i32(0x8200).i32(0);
  for (int run = 0; run < 3; ++run) {
    expected.u8(1).i32(0).append(section).i32(1500 + run).i32(0).i32(0).i32(1).u8(1).str("run" + std::to_string(run));
  }
  EXPECT_EQ(hex(readFile(name)), hex(expected.bytes()));

  M_InputVarnix input = readBack(name);
  EXPECT_EQ(debugTexts(input), (std::vector<std::string>{"main.c:5:1: Msg=1500 #params=1 {run0}",
                                                         "main.c:5:1: Msg=1501 #params=1 {run1}",
                                                         "main.c:5:1: Msg=1502 #params=1 {run2}"}));
}

TEST_F(ErrorFileRoundTripTest, ExistingOlderFileIsAppendedInTheOlderGeneration) {
  {
    M_OutputVarnix output(false);
    output.open(name);
    output.writeDiagnostic(*U_make<M_Diagnostic>(1, U_Location(mainFile, 1, 1)), false);
    output.close();
  }
  const std::string before = readFile(name);
  // A new run: the memory of the last file written starts empty again.
  zum::ProcessState::reset();
  M_OutputVarnix2 output(false);
  output.open(name);
  output.writeDiagnostic(*U_make<M_Diagnostic>(2, U_Location(mainFile, 2, 1)), false);
  output.writeSuppressionRecord(M_SuppressionRecord(1, U_Location(mainFile, 1, 1), "", {}, U_Location(mainFile, 1, 1), U_Location()));
  output.close();

  const std::string after = readFile(name);
  ASSERT_EQ(after.substr(0, before.size()), before);
  Bytes appended;
  appended.i32(1).ostr("/p/main.c").i32(3).i32(2).i32(-1).i32(0).i32(2).i32(0).i32(0).i32(0).i32(0);
  EXPECT_EQ(hex(after.substr(before.size())), hex(appended.bytes()));
}

TEST_F(ErrorFileRoundTripTest, ExistingCurrentFileWinsOverARequestForTheOlderGeneration) {
  { M_OutputVarnix2(false).open(name); }
  M_OutputVarnix output(false);
  output.open(name);
  output.writeDiagnostic(*U_make<M_Diagnostic>(2, U_Location(mainFile, 2, 1)), false);
  output.close();
  M_InputVarnix input = readBack(name);
  EXPECT_EQ(debugTexts(input), std::vector<std::string>{"main.c:2:1: Msg=2 #params=0"});
  EXPECT_EQ(readFile(name).substr(8, 10), std::string("\x01\x00\x00\x00\x00\x01\x00\x00\x00\x00", 10));
}

// An error file of another version and one in a missing directory end a
// run end to end, with exit code 18.
TEST_F(ErrorFileRoundTripTest, OpeningRefusesWhatItCannotAppendTo) {
  auto openFails = [&](const std::string& bytes) -> std::string {
    writeFile(name, bytes);
    try {
      M_OutputVarnix2(false).open(name);
    } catch (const M_ErrorFileException& failure) {
      EXPECT_EQ(readFile(name), bytes) << "the refused file must stay as it was";
      EXPECT_EQ(messagestest::placeText(failure.what()).substr(0, 5 + name.size()), "in '" + name + "'");
      return messagestest::designedText(failure.what());
    }
    return "opened";
  };
  EXPECT_EQ(openFails(Bytes().i32(0x7800).i32(0).bytes()),
            "Cannot append to error file with incorrect version.  Error file has version: 7800. Expected: 8200\n");
  EXPECT_EQ(openFails(Bytes().i32(-2).bytes()),
            "Cannot append to error file with incorrect version.  Error file has version: fffffffe. Expected: 8200\n");
  EXPECT_EQ(openFails(""), "problems reading a text string from error file");
  EXPECT_EQ(openFails(std::string("\x00\x82\x00", 3)), "problems reading a text string from error file");
}

TEST_F(ErrorFileRoundTripTest, ARunThatStopsEarlyLeavesWholeRecords) {
  { M_OutputVarnix2(false).open(name); }
  {
    // No close(): the output goes away as it would while an exception
    // unwinds the driver.
    M_OutputVarnix2 output(false);
    output.open(name);
    for (int i = 0; i < 5000; ++i) {
      auto d = U_make<M_Diagnostic>(i, U_Location(file("/p/f" + std::to_string(i % 50) + ".c", "f.c"), i, 0));
      d->addString(std::string(20, 'x'));
      output.writeDiagnostic(*d, false);
    }
  }
  M_InputVarnix input = readBack(name);
  EXPECT_EQ(input.diagnostics().size(), 5000u);
}
