// The project diagnostic output: the choice of kind, the gates of each kind,
// what the text kinds write, the send path and its failure before opening.
#include <gtest/gtest.h>

#include <sstream>

#include "messages/Diagnostic.h"
#include "messages/InputVarnix.h"
#include "messages/Output.h"
#include "messages/OutputFormat.h"
#include "messages/OutputGates.h"
#include "messages/OutputSimple.h"
#include "messages/OutputVarnix.h"
#include "messages/OutputVarnix2.h"
#include "messages/Report.h"
#include "messages_test_support.h"
#include "run_test_support.h"
#include "util/ProcessState.h"
#include "settings_test_support.h"

namespace {

using messagestest::file;
using messagestest::FormNames;

const XF_Filename kMain = file("/p/a.c", "a.c");
const XF_Filename kHeader = file("/p/h.h", "h.h");
const XF_Filename kInner = file("/p/g.h", "g.h");

U_Location inMain(int line, int column = 0) { return U_Location(kMain, line, column); }
U_Location inHeader(int line) { return U_Location(kHeader, line, 0, inMain(3)); }

U_Handle<M_Diagnostic> diagnostic(int message, U_Location location) {
  return U_make<M_Diagnostic>(message, std::move(location));
}

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override { zum::ProcessState::reset(); }
  void TearDown() override { zum::ProcessState::reset(); }

  // A fresh run with `arguments`: what the simple output writes for one send.
  std::string sendSimple(const std::vector<std::string>& arguments, const M_Diagnostic& d, bool suppressed = false,
                         const std::string& product = "ZEK") {
    zum::ProcessState::reset();
    runtest::publishCommandLine(arguments, product);
    std::ostringstream out;
    M_OutputSimple(out).sendDiagnostic(d, suppressed);
    return out.str();
  }

  // A fresh run with `arguments` whose output is a simple output writing to
  // `out`; each diagnostic goes the way modules send it.
  std::string sendThroughRun(const std::vector<std::string>& arguments, std::vector<U_Handle<M_Diagnostic>> all,
                             const std::string& product = "ZEK") {
    zum::ProcessState::reset();
    runtest::publishCommandLine(arguments, product);
    std::ostringstream out;
    M_installDiagnosticOutput(std::make_unique<M_OutputSimple>(out));
    for (const auto& d : all) M_sendDiagnostic(*d);
    M_closeDiagnosticOutput();
    return out.str();
  }

  messagestest::TempDir dir_;
};

TEST_F(OutputTest, KindFollowsTheFirstSwitchInItsOrder) {
  const std::vector<std::pair<std::vector<U_String>, M_OutputKind>> cases = {
      {{}, M_OutputKind::kCurrent},
      {{"varnix2output"}, M_OutputKind::kCurrent},
      {{"zekoutput"}, M_OutputKind::kOlder},
      {{"formatoutput"}, M_OutputKind::kFormat},
      {{"zekoutput", "textoutput"}, M_OutputKind::kFormat},
      {{"textoutput", "simpleoutput", "zekoutput"}, M_OutputKind::kSimple},
      {{"SimpleOutput"}, M_OutputKind::kCurrent},
  };
  for (const auto& [switches, kind] : cases) {
    std::vector<std::string> arguments;
    for (const U_String& name : switches) arguments.insert(arguments.end(), {"-debug", name});
    runtest::publishCommandLine(arguments);
    EXPECT_EQ(M_selectedOutputKind(), kind) << ::testing::PrintToString(switches);
  }
}

TEST_F(OutputTest, SimpleOutputGates) {
  const auto plain = diagnostic(1503, inMain(5));
  const std::string plainLine = "a.c:5: Msg=1503 #params=0\n";
  EXPECT_EQ(sendSimple({}, *plain), plainLine);

  // Suppressed diagnostics show only with "hiddenwarnings".
  EXPECT_EQ(sendSimple({}, *plain, true), "");
  EXPECT_EQ(sendSimple({"-hw"}, *plain, true), plainLine);

  // Message selection is tested end to end.
  // Hidden by pragma.
  auto hidden = diagnostic(1503, inMain(5));
  hidden->setHiddenByPragma(true);
  EXPECT_EQ(sendSimple({}, *hidden), "");
  EXPECT_EQ(sendSimple({"-hw"}, *hidden), "a.c:5: Msg=1503 #params=0 hidden by pragma\n");

  // Headers: "hdrsuppress" and the quiet list.
  const auto inHeaderFile = diagnostic(1503, inHeader(7));
  EXPECT_EQ(sendSimple({}, *inHeaderFile), "h.h:7: Msg=1503 #params=0\n");
  EXPECT_EQ(sendSimple({"-hdr"}, *inHeaderFile), "");
  EXPECT_EQ(sendSimple({"-hdr"}, *plain), plainLine);
  EXPECT_EQ(sendSimple({"-q", "h.h"}, *inHeaderFile), "");
  EXPECT_EQ(sendSimple({"-q", "h.h"}, *plain), plainLine);
  // A quiet primary file is silent too (the quiet filter comes first).
  EXPECT_EQ(sendSimple({"-q", "a.c"}, *plain), "");

  // Without a location no file-based gate applies.
  const auto nowhere = diagnostic(1503, U_Location());
  EXPECT_EQ(sendSimple({"-hdr", "-q", "a.c"}, *nowhere), "nofile.cc:0: Msg=1503 #params=0\n");
}

TEST_F(OutputTest, ModuleDiagnosticsInIncludedFilesCountAsHeaders) {
  // A module reports at a file and line, without an include chain; the
  // include records of the run tell that the file is a header.
  const auto atHeader = diagnostic(1503, U_Location(kHeader, 7, 0));
  zum::ProcessState::reset();
  runtest::publishCommandLine({"-hdr"});
  std::ostringstream out;
  M_OutputSimple simple(out);
  simple.sendDiagnostic(*atHeader, false);
  M_noteIncludedFile(U_Filename("h.h"));
  simple.sendDiagnostic(*atHeader, false);
  EXPECT_EQ(out.str(), "h.h:7: Msg=1503 #params=0\n");
}

TEST_F(OutputTest, ErrorsBypassEveryGate) {
  auto error = diagnostic(1503, inHeader(7));
  error->setError(true);
  error->setHiddenByPragma(true);
  EXPECT_EQ(sendThroughRun({"-nomsg", "1503", "-q", "h.h", "-hdr"}, {error}),
            "h.h:7: Msg=1503 #params=0 hidden by pragma\n");
}

TEST_F(OutputTest, HiddenMacroWarningsAreSentAsSuppressed) {
  const auto expansion = U_make<U_MacroHistory>(inMain(2), U_Identifier("M"), U_Handle<U_MacroHistory>());
  const auto fromMacro = diagnostic(1503, U_Location(kMain, 9, 0, U_Location(), expansion));
  const auto plain = diagnostic(1504, inMain(9));
  EXPECT_EQ(sendThroughRun({}, {fromMacro, plain}, "ZEKPP"),
            "a.c:9: Msg=1503 #params=0\na.c:9: Msg=1504 #params=0\n");
  EXPECT_EQ(sendThroughRun({"-hmw"}, {fromMacro, plain}, "ZEKPP"), "a.c:9: Msg=1504 #params=0\n");
  EXPECT_EQ(sendThroughRun({"-hmw", "-hw"}, {fromMacro, plain}, "ZEKPP"),
            "a.c:9: Msg=1503 #params=0\na.c:9: Msg=1504 #params=0\n");
}

TEST_F(OutputTest, SimpleSuppressionRecordLines) {
  const M_SuppressionRecord ranges(1, inMain(2), "-e(1500-1502,1510,1520)",
                                   {{"1500", "1502"}, {"1510", "1510"}, {"1520", ""}}, inMain(3, 5), inMain(9));
  EXPECT_EQ(M_suppressionRecordLine(ranges), "a.c:2 SUP:-e(1500-1502,1510,1520):1500-1502,1510,1520:{a.c:3:5}-{a.c:9}");
  const M_SuppressionRecord location(0, inMain(2), "here", {{"1", "2"}}, inMain(3), U_Location());
  EXPECT_EQ(M_suppressionRecordLine(location), "a.c:2 LOC:here:{a.c:3}");
  const M_SuppressionRecord other(7, U_Location(), "", {}, inMain(3), U_Location());
  EXPECT_EQ(M_suppressionRecordLine(other), "nofile.cc:0 Unknown::{a.c:3}");

  std::ostringstream out;
  M_OutputSimple simple(out);
  simple.writeSuppressionRecord(location);
  publishSettings([](C_RunSettings& s) { s.hideSuppressionRecords = true; });
  simple.writeSuppressionRecord(location);
  EXPECT_EQ(out.str(), "a.c:2 LOC:here:{a.c:3}\n");
}

TEST_F(OutputTest, FormatOutputFollowsLocationChainsAndMessageLists) {
  // h.h:7:2, included from g.h:2, included from a.c:3; instantiated from
  // t.h:9; made by the macro M1 at m.h:2, itself expanded from M2 at m.h:4.
  const XF_Filename macros = file("/p/m.h", "m.h");
  const auto outer = U_make<U_MacroHistory>(U_Location(macros, 4, 0), U_Identifier("M2"), U_Handle<U_MacroHistory>());
  const auto inner = U_make<U_MacroHistory>(U_Location(macros, 2, 0), U_Identifier("M1"), outer);
  const U_Location included(kInner, 2, 0, inMain(3));
  const U_Location place = U_Location(kHeader, 7, 2, included, inner)
                               .withInstFromLoc(U_Location(file("/p/t.h", "t.h"), 9, 0), U_make<FormNames>("form"));
  auto d = diagnostic(1503, place);
  d->addMessageList({diagnostic(1504, inMain(5)), diagnostic(1505, inMain(6))});

  auto write = [&](const std::vector<std::string>& arguments) {
    zum::ProcessState::reset();
    runtest::publishCommandLine(arguments);
    std::ostringstream out;
    M_OutputFormat(out).sendDiagnostic(*d, false);
    return out.str();
  };
  const std::string first = "h.h:7:2: Msg=1503 #params=1 {MsgList={a.c:5: Msg=1504 #params=0 ; a.c:6: Msg=1505 #params=0}}\n";
  EXPECT_EQ(write({}), first +
                           "t.h:9: Msg=1597 #params=1 {form3}\n"
                           "g.h:2: Msg=1599 #params=0\n"
                           "a.c:3: Msg=1599 #params=0\n"
                           "m.h:2: Msg=1598 #params=1 {M1}\n"
                           "m.h:4: Msg=1598 #params=1 {M2}\n"
                           "a.c:5: Msg=1504 #params=0\n"
                           "a.c:6: Msg=1505 #params=0\n");
  // The links and the listed diagnostics pass the same gates.
  EXPECT_EQ(write({"-nomsg", "1598,1599,1505"}), first +
                                                     "t.h:9: Msg=1597 #params=1 {form3}\n"
                                                     "a.c:5: Msg=1504 #params=0\n");
  EXPECT_EQ(write({"-nomsg", "1503"}), "");
}

// Binary kinds: what reaches the error file.
class BinaryOutputTest : public OutputTest {
 protected:
  std::vector<std::string> readBack() const {
    M_InputVarnix input(name_);
    input.setSource(kMain);
    input.open();
    std::vector<std::string> texts;
    for (const auto& d : input.diagnostics()) texts.push_back(d->debugText());
    return texts;
  }

  // A fresh run with `arguments` whose output is a new error file of the
  // kind `Output`; what the file holds after the diagnostics were sent.
  template <class Output>
  std::vector<std::string> sendTo(const std::vector<std::string>& arguments,
                                  const std::vector<U_Handle<M_Diagnostic>>& all) {
    zum::ProcessState::reset();
    std::filesystem::remove(name_);
    runtest::publishCommandLine(arguments);
    auto output = std::make_unique<Output>(false);
    output->open(name_);
    M_installDiagnosticOutput(std::move(output));
    for (const auto& d : all) M_sendDiagnostic(*d);
    M_closeDiagnosticOutput();
    return readBack();
  }

  const std::string name_ = dir_.path("p.err");
};

TEST_F(BinaryOutputTest, CurrentKindGates) {
  auto error = diagnostic(1510, inMain(4));
  error->setError(true);
  auto hidden = diagnostic(1511, inMain(5));
  hidden->setHiddenByPragma(true);
  const std::vector<U_Handle<M_Diagnostic>> all = {diagnostic(1510, inMain(3)), error, hidden,
                                                   diagnostic(1512, inHeader(7))};
  const std::vector<std::string> everything = {"a.c:3: Msg=1510 #params=0", "a.c:4: Msg=1510 #params=0",
                                               "a.c:5: Msg=1511 #params=0 hidden by pragma",
                                               "h.h:7: Msg=1512 #params=0"};
  // Neither the message selection nor "hdrsuppress" keeps anything out of
  // the file; suppressed diagnostics are written with their hidden flag.
  EXPECT_EQ(sendTo<M_OutputVarnix2>({}, all), everything);
  EXPECT_EQ(sendTo<M_OutputVarnix2>({"-nomsg", "1510", "-hdr"}, all), everything);
  // "compress-output" applies the message selection; errors pass.
  EXPECT_EQ(sendTo<M_OutputVarnix2>({"-nomsg", "1510", "-debug", "compress-output"}, all),
            (std::vector<std::string>{everything[1], everything[2], everything[3]}));
  EXPECT_EQ(sendTo<M_OutputVarnix2>({"-only", "1512", "-debug", "compress-output"}, all),
            (std::vector<std::string>{everything[1], everything[3]}));
  // The quiet filter always applies, to errors sent directly not at all.
  EXPECT_EQ(sendTo<M_OutputVarnix2>({"-q", "a.c"}, all), (std::vector<std::string>{everything[1], everything[3]}));
}

TEST_F(BinaryOutputTest, OlderKindHasOnlyTheQuietFilter) {
  const std::vector<U_Handle<M_Diagnostic>> all = {diagnostic(1510, inMain(3)), diagnostic(1512, inHeader(7))};
  // The older generation keeps absolute paths only.
  const std::vector<std::string> everything = {"/p/a.c:3: Msg=1510 #params=0", "/p/h.h:7: Msg=1512 #params=0"};
  EXPECT_EQ(sendTo<M_OutputVarnix>({"-nomsg", "1510", "-debug", "compress-output", "-hdr"}, all), everything);
  EXPECT_EQ(sendTo<M_OutputVarnix>({"-q", "h.h"}, all), (std::vector<std::string>{everything[0]}));
}

TEST_F(BinaryOutputTest, OpeningNamesTheFileAfterTheProjectAndAppends) {
  const std::string directory = dir_.path("out");
  std::filesystem::create_directories(directory);
  const zum::OutputLocation location{XF_Filename(directory + "/proj.prj"), directory};
  EXPECT_EQ(M_projectErrorFileName(location), directory + "/proj.prj.err");

  runtest::publishCommandLine({});
  M_openDiagnosticOutput(location);
  M_sendDiagnostic(*diagnostic(1503, inMain(1)));
  // Opening again finishes the first file before appending to it.
  M_openDiagnosticOutput(location);
  M_sendDiagnostic(*diagnostic(1504, inMain(2)));
  M_closeDiagnosticOutput();
  EXPECT_EQ(M_diagnosticOutput(), nullptr);

  // The bytes of a new file are the error file tests'; that a text kind
  // makes no file is tested end to end.
  M_InputVarnix input(directory + "/proj.prj.err");
  input.open();
  EXPECT_EQ(input.diagnostics().size(), 2u);
}

TEST_F(BinaryOutputTest, ShowAliasPicksTheEntityForm) {
  auto withEntity = [&](const std::vector<std::string>& arguments) {
    zum::ProcessState::reset();
    std::filesystem::remove(name_);
    runtest::publishCommandLine(arguments, "ZEKPP");
    const zum::OutputLocation location{XF_Filename(dir_.path("p")), dir_.path("")};
    M_openDiagnosticOutput(location);
    auto d = diagnostic(1503, inMain(1));
    d->addEntity(U_make<FormNames>("form"), 0);
    M_sendDiagnostic(*d);
    M_closeDiagnosticOutput();
    return readBack();
  };
  EXPECT_EQ(withEntity({}), (std::vector<std::string>{"a.c:1: Msg=1503 #params=1 {form3}"}));
  EXPECT_EQ(withEntity({"-sa-"}), (std::vector<std::string>{"a.c:1: Msg=1503 #params=1 {form1}"}));
}

TEST_F(OutputTest, SendingBeforeOpenIsAnUnrecognisedFailure) {
  optionstest::Capture errors(std::cerr);
  auto d = diagnostic(1503, inMain(1));
  EXPECT_THROW(M_sendDiagnostic(*d), M_OutputNotOpen);
  d->setError(true);
  EXPECT_THROW(M_sendDiagnostic(*d), M_OutputNotOpen);
  EXPECT_EQ(errors.text(),
            "M_Output:81: Cannot send information before open().\n"
            "M_Output:99: Cannot send information before open().\n");
}

}  // namespace
