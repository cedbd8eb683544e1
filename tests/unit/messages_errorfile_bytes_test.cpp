// Error files spelled byte by byte from the format description: the
// writer's output must equal them, and the reader must understand them.
#include <gtest/gtest.h>

#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/InputVarnix.h"
#include "messages/ListedPlace.h"
#include "messages/OutputVarnix.h"
#include "messages/OutputVarnix2.h"
#include "messages/SuppressionRecord.h"
#include "messages_test_support.h"
#include "util/ProcessState.h"
#include "settings_test_support.h"

using messagestest::Bytes;
using messagestest::file;
using messagestest::FormNames;
using messagestest::hex;
using messagestest::readFile;
using messagestest::TempDir;
using messagestest::writeFile;

namespace {

class ErrorFileBytesTest : public ::testing::Test {
 protected:
  void SetUp() override { zum::ProcessState::reset(); }
  void TearDown() override { zum::ProcessState::reset(); }

  // Reads `bytes` as the error file of /p/a.c.
  M_InputVarnix readBytes(const std::string& bytes) {
    M_InputVarnix input(dir.path("in.err"));
    input.setSource(file("/p/a.c", "a.c"));
    input.read(bytes);
    return input;
  }

  TempDir dir;
  const std::string name = dir.path("project.err");  // the file the writers write
};

}  // namespace

TEST_F(ErrorFileBytesTest, NewCurrentFileIsHeaderAndSectionStart) {
  M_OutputVarnix2 output(false);
  output.open(name);
  output.close();
  const std::string expected("\x00\x82\x00\x00" "\x00\x00\x00\x00" "\x01" "\x00\x00\x00\x00", 13);
  EXPECT_EQ(hex(readFile(name)), hex(expected));
}

TEST_F(ErrorFileBytesTest, CurrentWriterSharesFilesAndLocationsByIdentifier) {
  const U_Location at(file("/p/a.c", "a.c"), 3, 5);
  auto first = U_make<M_Diagnostic>(1503, at);
  first->addString("foo");
  auto second = U_make<M_Diagnostic>(1504, at);
  second->setHiddenByUser(true);
  second->setError(true);
  M_SuppressionRecord record(1, at, "lint -e1503", {{"1500", "1502"}}, U_Location(file("/p/a.c", "a.c"), 1, 0),
                             U_Location());
  M_OutputVarnix2 output(false);
  output.open(name);
  output.writeDiagnostic(*first, false);
  output.writeDiagnostic(*second, true);
  output.writeSuppressionRecord(record);
  output.close();

  static const char kExpected[] =
      "\x00\x82\x00\x00" "\x00\x00\x00\x00"        // version 0x8200, second word
      "\x01" "\x00\x00\x00\x00"                    // section start, no payload
      "\x02"                                       // diagnostic
      "\x00\x00\x00\x00"                           //   location 0, new:
      "\x00\x00\x00\x00"                           //     file 0, new:
      "\x06\x00\x00\x00" "/p/a.c"                  //       absolute path
      "\x03\x00\x00\x00" "a.c"                     //       name as given
      "\x03\x00\x00\x00" "\x05\x00\x00\x00" "\x00" //     line 3, column 5, no parts
      "\xdf\x05\x00\x00"                           //   message 1503
      "\x00\x00\x00\x00" "\x00\x00\x00\x00"        //   not hidden, no error
      "\x01\x00\x00\x00"                           //   one parameter:
      "\x01" "\x03\x00\x00\x00" "foo"              //     string "foo"
      "\x02"                                       // diagnostic
      "\x00\x00\x00\x00"                           //   location 0, known
      "\xe0\x05\x00\x00"                           //   message 1504
      "\x03\x00\x00\x00" "\x01\x00\x00\x00"        //   hidden by pragma and user, error
      "\x00\x00\x00\x00"                           //   no parameters
      "\x04" "\x01"                                // suppression record, kind 1
      "\x00\x00\x00\x00"                           //   location 0, known
      "\x0b\x00\x00\x00" "lint -e1503"             //   text
      "\x01\x00\x00\x00"                           //   one range
      "\x04\x00\x00\x00" "1500" "\x04\x00\x00\x00" "1502"
      "\x04"                                       //   the constant mark
      "\x01\x00\x00\x00"                           //   begin: location 1, new:
      "\x00\x00\x00\x00"                           //     file 0, known
      "\x01\x00\x00\x00" "\x00\x00\x00\x00" "\x00" //     line 1, column 0, no parts
      "\x00";                                     //   no end
  EXPECT_EQ(hex(readFile(name)), hex(std::string(kExpected, sizeof kExpected - 1)));
}

TEST_F(ErrorFileBytesTest, CurrentWriterNestsNewLocationsInsideDefinitions) {
  const XF_Filename mainFile = file("/p/a.c", "a.c");
  const U_Location top(mainFile, 3, 0);
  auto expansions = U_make<U_MacroHistory>(top, U_Identifier("M"),
                                           U_make<U_MacroHistory>(U_Location(mainFile, 4, 1), U_Identifier("N"), nullptr));
  const U_Location inHeader(file("/p/h.h", "h.h"), 7, 2, top, expansions);
  const U_Location instantiated =
      U_Location(file("/p/h.h", "h.h"), 9, 1).withHLLoc(file("/p/x.hl", "x.hl"), 99).withInstFromLoc(top, U_make<FormNames>("T"));
  auto d = U_make<M_Diagnostic>(1, inHeader);
  d->addEntity(U_make<FormNames>("E"), 1);
  auto listed = U_make<M_Diagnostic>(2, instantiated);
  listed->addStringList({"a", "b"});
  d->addMessageList({listed});

  M_OutputVarnix2 output(false);
  output.open(name);
  output.writeDiagnostic(*d, true);
  output.close();

  Bytes expected;
  expected.i32(0x8200).i32(0).u8(1).i32(0);
  expected.u8(2)
      .i32(0)                                      // location 0, new
      .i32(0).str("/p/h.h").str("h.h")             //   file 0, new
      .i32(7).i32(2).u8(1 | 4)                     //   include and macro parts
      .i32(1)                                      //   include: location 1, new
      .i32(1).str("/p/a.c").str("a.c")             //     file 1, new
      .i32(3).i32(0).u8(0)
      .i32(1).i32(0).str("M")                      //   innermost expansion: location 1, identifier 0
      .u8(1).i32(2)                                //   outer expansion: location 2, new
      .i32(1).i32(4).i32(1).u8(0)
      .i32(1).str("N")                             //     identifier 1
      .u8(0)                                       //   end of the chain
      .i32(1).i32(1).i32(0)                        // message 1, hidden by pragma, no error
      .i32(2)                                      // two parameters
      .u8(1).str("E2")                             //   entity: form 2 (flag set, no showalias)
      .u8(4).i32(1)                                //   message list of one diagnostic:
      .i32(3)                                      //     location 3, new
      .i32(0).i32(9).i32(1).u8(8 | 2)              //     file 0, line 9, column 1, "HL" and instantiation
      .i32(2).str("/p/x.hl").str("x.hl").i32(99)   //     "HL": file 2, new, line 99
      .i32(1).str("T1")                            //     instantiated from location 1, entity form 1
      .i32(2).i32(0).i32(0)                        //     message 2, never suppressed inside a list
      .i32(1).u8(2).i32(2).str("a").str("b");      //     string list a, b
  EXPECT_EQ(hex(readFile(name)), hex(expected.bytes()));
}

// A list of places is written as the list of the diagnostics it stands
// for: a place repeated in a row (entry by entry or as a run), and one that
// comes back in a later list, keep their location definition and copies;
// readers of text see the same.
TEST_F(ErrorFileBytesTest, ListOfPlacesWritesTheBytesOfItsDiagnostics) {
  const XF_Filename header = file("/p/a.h", "a.h");
  const XF_Filename source = file("/p/a.c", "a.c");
  const M_ListedPlace inHeader{header, 4, 1594, "f", M_newPlaceIdentity()};
  const M_ListedPlace inSource{source, 9, 1594, "f", M_newPlaceIdentity()};
  const M_ListedPlace otherName{header, 4, 1594, "g", M_newPlaceIdentity()};
  // Writes both findings to `path`; gives the texts of their lists.
  auto writeBoth = [](const std::string& path, const M_Diagnostic& first, const M_Diagnostic& second) {
    M_OutputVarnix2 output(false);
    output.open(path);
    output.writeDiagnostic(first, false);
    output.writeDiagnostic(second, false);
    output.close();
    return first.param(0)->text() + second.param(0)->text();
  };
  auto listOfPlaces = [&](const std::string& path) {
    auto first = U_make<M_Diagnostic>(1512, U_Location(source, 1, 0));
    first->addPlaceList(std::vector<M_ListedPlace>{inHeader, inHeader, inHeader, inSource, otherName});
    auto second = U_make<M_Diagnostic>(1513, U_Location(source, 1, 0));
    M_ListedPlace headerRun = inHeader;
    headerRun.repeats = 3;
    second->addPlaceList(std::vector<M_ListedPlace>{inSource, headerRun, inHeader});
    return writeBoth(path, *first, *second);
  };
  auto listOfDiagnostics = [&](const std::string& path) {
    auto standIn = [](const XF_Filename& in, int line, const char* name) {
      auto d = U_make<M_Diagnostic>(1594, U_Location(in, line, 0));
      d->addEntity(U_make<U_StoredEntityDisplayName>(name), 0);
      return d;
    };
    auto h = standIn(header, 4, "f");
    auto c = standIn(source, 9, "f");
    auto g = standIn(header, 4, "g");
    auto first = U_make<M_Diagnostic>(1512, U_Location(source, 1, 0));
    first->addMessageList({h, h, h, c, g});
    auto second = U_make<M_Diagnostic>(1513, U_Location(source, 1, 0));
    second->addMessageList({c, h, h, h, h});
    return writeBoth(path, *first, *second);
  };
  const std::string placesFile = dir.path("places.err");
  const std::string placesText = listOfPlaces(placesFile);
  const std::string diagnosticsText = listOfDiagnostics(name);
  EXPECT_EQ(hex(readFile(placesFile)), hex(readFile(name)));
  EXPECT_EQ(placesText, diagnosticsText);
}

TEST_F(ErrorFileBytesTest, ShowAliasPicksTheThirdAndFourthForms) {
  auto d = U_make<M_Diagnostic>(1, U_Location(file("/p/a.c", "a.c"), 1, 0).withInstFromLoc(
                                       U_Location(file("/p/a.c", "a.c"), 2, 0), U_make<FormNames>("T")));
  d->addEntity(U_make<FormNames>("E"), 0);
  d->addEntity(U_make<FormNames>("F"), 1);
  M_OutputVarnix2 output(true);
  output.open(name);
  output.writeDiagnostic(*d, false);
  output.close();
  Bytes expected;
  expected.i32(0x8200).i32(0).u8(1).i32(0).u8(2);
  expected.i32(0).i32(0).str("/p/a.c").str("a.c").i32(1).i32(0).u8(2);
  expected.i32(1).i32(0).i32(2).i32(0).u8(0).str("T3");
  expected.i32(1).i32(0).i32(0).i32(2).u8(1).str("E3").u8(1).str("F4");
  EXPECT_EQ(hex(readFile(name)), hex(expected.bytes()));
}

TEST_F(ErrorFileBytesTest, OlderWriterWritesFlatRecordsWithCurrentFiles) {
  const U_Location top(file("/p/a.c", "a.c"), 3, 0);
  auto inMain = U_make<M_Diagnostic>(1503, U_Location(file("/p/a.c", "a.c"), 10, 4));
  inMain->addString("x");
  inMain->addStringList({"a", "b"});
  auto inHeader = U_make<M_Diagnostic>(1504, U_Location(file("/p/h.h", "h.h"), 7, 0, U_Location(file("/p/m.h", "m.h"), 2, 0, top)));
  inHeader->setError(true);
  inHeader->setHiddenByUser(true);  // not a part of this generation
  auto againInHeader = U_make<M_Diagnostic>(1505, U_Location(file("/p/h.h", "h.h"), 8, 1, top));

  M_OutputVarnix output(false);
  output.open(name);
  output.writeDiagnostic(*inMain, false);
  output.writeDiagnostic(*inHeader, true);
  output.writeDiagnostic(*againInHeader, false);
  output.writeSuppressionRecord(M_SuppressionRecord(1, top, "", {}, top, U_Location()));
  output.close();

  static const char kExpected[] =
      "\x00\x79\x00\x00" "\x00\x00\x00\x00"         // version 0x7900, second word
      "\x01\x00\x00\x00" "\x07\x00\x00\x00" "/p/a.c\0"  // current file, length with its zero
      "\x03\x00\x00\x00"                            // diagnostic
      "\x0a\x00\x00\x00" "\xff\xff\xff\xff"         //   a = line 10, b = -1: not included
      "\x03\x00\x00\x00"                            //   column 4, stored 0-based
      "\xdf\x05\x00\x00"                            //   message 1503
      "\x00\x00\x00\x00" "\x00\x00\x00\x00"         //   not suppressed, no error
      "\x02\x00\x00\x00"                            //   two parameters, as text
      "\x02\x00\x00\x00" "x\0"
      "\x0b\x00\x00\x00" "List={a,b}\0"
      "\x00\x00\x00\x00"                            //   closing word
      "\x01\x00\x00\x00" "\x07\x00\x00\x00" "/p/h.h\0"
      "\x03\x00\x00\x00"
      "\x03\x00\x00\x00" "\x07\x00\x00\x00"         //   a = outermost line 3, b = line 7
      "\xff\xff\xff\xff"                            //   column 0, stored as -1
      "\xe0\x05\x00\x00"
      "\x01\x00\x00\x00" "\x01\x00\x00\x00"         //   suppressed, error
      "\x00\x00\x00\x00" "\x00\x00\x00\x00"
      "\x03\x00\x00\x00"                            // same file: no current-file record
      "\x03\x00\x00\x00" "\x08\x00\x00\x00" "\x00\x00\x00\x00"
      "\xe1\x05\x00\x00"
      "\x00\x00\x00\x00" "\x00\x00\x00\x00" "\x00\x00\x00\x00" "\x00\x00\x00\x00";
  EXPECT_EQ(hex(readFile(name)), hex(std::string(kExpected, sizeof kExpected - 1)));
}

TEST_F(ErrorFileBytesTest, ReadsHandMadeCurrentFileWithAllRecordKinds) {
  Bytes b;
  b.i32(0x8100).i32(77);  // the earlier version; the second word is kept, not checked
  b.u8(1).i32(3).raw("xyz");  // section start with a payload to skip
  b.u8(2)
      .i32(0).i32(0).str("/p/h.h").str("inc/h.h").i32(7).i32(2).u8(1 | 4 | 8 | 2)
      .i32(1).i32(1).str("/p/a.c").str("a.c").i32(3).i32(0).u8(0)  // included from
      .i32(1).i32(0).str("MAC").u8(0)                             // one expansion, at location 1
      .i32(1).i32(30)                                             // "HL" in a.c, line 30
      .i32(1).str("Tmpl<int>")                                    // instantiated from location 1
      .i32(1530).i32(2).i32(1)                                    // hidden by user, error
      .i32(3)
      .u8(1).str("one")
      .u8(2).i32(0)
      .u8(4).i32(2)
      .i32(0).i32(1501).i32(1).i32(0).i32(0)                      //   at location 0, hidden bit 0 set
      .i32(2).i32(1).i32(3).i32(5).u8(0)                         //   at location 2, new
      .i32(2).i32(1).i32(0).i32(1).u8(1).str("sub");
  b.u8(4).u8(2).i32(1).str("-esym(1,x)").i32(2).str("1").str("9").str("20").str("")
      .u8(4).i32(2).u8(1).i32(0);
  b.u8(4).u8(0).i32(0).str("").i32(0).u8(4).i32(0).u8(0);

  publishSettings([](C_RunSettings& s) { s.showIncludeChain = s.showInstantiationChain = true; });
  M_InputVarnix input = readBytes(b.bytes());
  EXPECT_EQ(input.version(), 0x8100);
  ASSERT_EQ(input.diagnostics().size(), 1u);
  const M_Diagnostic& d = *input.diagnostics()[0];
  EXPECT_EQ(d.debugText(),
            "inc/h.h:7:2: Msg=1530 #params=3 {one, List={}, MsgList={inc/h.h:7:2: Msg=1501 #params=0 hidden by pragma"
            " incl{a.c:3} inst{a.c:3 (Tmpl<int>)} ; a.c:3:5: Msg=2 #params=1 {sub} hidden by pragma}}"
            " hidden by user incl{a.c:3} inst{a.c:3 (Tmpl<int>)}");
  EXPECT_TRUE(d.isError());
  EXPECT_FALSE(d.isHidden());  // only older files set it
  EXPECT_EQ(d.location().file().absolute().view(), "/p/h.h");
  EXPECT_EQ(d.location().macroHistory()->macroName().view(), "MAC");
  EXPECT_FALSE(d.location().macroHistory()->outer().isSet());
  EXPECT_EQ(d.location().macroHistory()->location(), d.location().inclLoc());  // shared by identifier
  EXPECT_EQ(d.location().hlFile().given().view(), "a.c");
  EXPECT_EQ(d.location().hlLine(), 30);

  ASSERT_EQ(input.suppressionRecords().size(), 2u);
  const M_SuppressionRecord& s = *input.suppressionRecords()[0];
  EXPECT_EQ(s.kind(), 2);
  EXPECT_EQ(s.location(), d.location().inclLoc());
  EXPECT_EQ(s.text(), "-esym(1,x)");
  ASSERT_EQ(s.messageRanges().size(), 2u);
  EXPECT_EQ(s.messageRanges()[1], M_MessageRange("20", ""));
  EXPECT_EQ(s.begin().line(), 3);
  EXPECT_EQ(s.begin().column(), 5);
  EXPECT_EQ(s.end(), d.location());
  const M_SuppressionRecord& noPlace = *input.suppressionRecords()[1];
  EXPECT_EQ(noPlace.kind(), 0);
  EXPECT_EQ(noPlace.location(), d.location());
  EXPECT_FALSE(noPlace.end().isSet());
}

TEST_F(ErrorFileBytesTest, ReadsHandMadeOlderFileOfEveryLayout) {
  Bytes b;
  b.i32(0x7700).i32(0);
  b.i32(0).i32(12).i32(-1).i32(0).i32(101).ostr("");          // first layout, no parameter
  b.i32(1).ostr("/p/h.h");                                    // current file
  b.i32(2).i32(3).i32(7).i32(1).i32(102).i32(2).ostr("par");  // second layout, hidden by user
  b.i32(1).ostr("/p/g.h").i32(1).i32(6).raw("/p/i.h");        // two file records; a text without its zero
  b.i32(3).i32(5).i32(-1).i32(-1).i32(103).i32(1).i32(7).i32(2).ostr("a").ostr("").i32(0);
  M_InputVarnix input = readBytes(b.bytes());
  EXPECT_EQ(input.version(), 0x7700);
  ASSERT_EQ(input.diagnostics().size(), 3u);
  EXPECT_EQ(input.diagnostics()[0]->debugText(), "a.c:12:1: Msg=101 #params=0");
  const M_Diagnostic& second = *input.diagnostics()[1];
  EXPECT_EQ(second.debugText(), "/p/h.h:7:2: Msg=102 #params=1 {par} hidden by user");
  EXPECT_TRUE(second.isHidden());
  EXPECT_FALSE(second.isError());
  ASSERT_TRUE(second.location().hasInclLoc());
  EXPECT_EQ(second.location().inclLoc().file(), file("/p/a.c", "a.c"));  // the primary source
  EXPECT_EQ(second.location().inclLoc().line(), 3);
  EXPECT_EQ(second.location().inclLoc().column(), 0);
  const M_Diagnostic& third = *input.diagnostics()[2];
  EXPECT_EQ(third.debugText(), "/p/i.h:5: Msg=103 #params=2 {a, } hidden by pragma");
  EXPECT_TRUE(third.isError());
  EXPECT_TRUE(third.isHidden());
  EXPECT_EQ(input.currentFile().absolute().view(), "/p/i.h");
  EXPECT_EQ(input.primaryFile().absolute().view(), "/p/a.c");
}

TEST_F(ErrorFileBytesTest, NoLocationTravelsAsLineZeroOfTheEmptyFileName) {
  M_OutputVarnix2 output(false);
  output.open(name);
  output.writeDiagnostic(*U_make<M_Diagnostic>(1500), false);
  output.writeDiagnostic(*U_make<M_Diagnostic>(1501), false);
  output.close();
  Bytes expected;
  expected.i32(0x8200).i32(0).u8(1).i32(0);
  expected.u8(2).i32(0).i32(0).str("").str("").i32(0).i32(0).u8(0).i32(1500).i32(0).i32(0).i32(0);
  expected.u8(2).i32(0).i32(1501).i32(0).i32(0).i32(0);
  EXPECT_EQ(hex(readFile(name)), hex(expected.bytes()));

  Bytes b;
  b.i32(0x8200).i32(0);
  b.u8(2).i32(0).i32(0).str("").str("").i32(0).i32(0).u8(0x40).i32(1).i32(0).i32(0).i32(0);  // an unknown part bit
  b.u8(2).i32(1).i32(0).i32(1).i32(0).u8(0).i32(2).i32(0).i32(0).i32(0);                     // line 1: a place
  b.u8(2).i32(2).i32(0).i32(0).i32(0).u8(1).i32(1).i32(3).i32(0).i32(0).i32(0);              // with a part: a place
  M_InputVarnix input = readBytes(b.bytes());
  ASSERT_EQ(input.diagnostics().size(), 3u);
  EXPECT_FALSE(input.diagnostics()[0]->location().isSet());
  EXPECT_EQ(input.diagnostics()[1]->debugText(), ":1: Msg=2 #params=0");
  EXPECT_TRUE(input.diagnostics()[2]->location().isSet());
  EXPECT_TRUE(input.diagnostics()[2]->location().hasInclLoc());
}
