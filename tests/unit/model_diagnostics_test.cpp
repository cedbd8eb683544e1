// A source's error file as the modules see it: when it is read, the order
// and number of diagnostic events, duplicates across sources, suppression,
// and the report filter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "anlsrslt/model/Diagnostic.h"
#include "anlsrslt/model/ErrorFileReader.h"
#include "anlsrslt/model/SuppressionRecord.h"
#include "messages/OutputVarnix2.h"
#include "model_test_support.h"
#include "run_test_support.h"
#include "settings_test_support.h"

namespace {

using modeltest::events;

std::string text(PI_DiagnosticHandle diagnostic) { return diagnostic->diagnostic().debugText(); }
std::string flags(unsigned char duplicate, unsigned char suppressed) {
  return " dup=" + std::to_string(duplicate) + " supp=" + std::to_string(suppressed);
}

std::vector<PI_DiagnosticHandle>& delivered() {
  static std::vector<PI_DiagnosticHandle> all;
  return all;
}

void onMessage(PI_DiagnosticHandle d, unsigned char duplicate, unsigned char suppressed) {
  events().push_back("Message " + text(d) + flags(duplicate, suppressed));
}
void onSuppressed(PI_DiagnosticHandle d, unsigned char duplicate, unsigned char suppressed) {
  events().push_back("Suppressed " + text(d) + flags(duplicate, suppressed));
}
void onDiagnostic(PI_DiagnosticHandle d, unsigned char duplicate) {
  delivered().push_back(d);
  events().push_back("Diagnostic " + text(d) + " dup=" + std::to_string(duplicate));
}
void onRecordDiagnostic(PI_SuppressionRecordHandle record, PI_DiagnosticHandle d) {
  events().push_back(std::string("RecordDiagnostic ") + PI_getSuppressionRecordTag(record) + " " + text(d));
}
void onRecord(PI_SuppressionRecordHandle record) {
  events().push_back(std::string("Record ") + PI_getSuppressionRecordTag(record));
}

class DiagnosticsTest : public modeltest::ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    delivered().clear();
    P_setErrorFileReader(&P_readErrorFile);
    runtest::publishCommandLine({});
  }

  XF_Filename source(const std::string& name) const { return XF_Filename((outputDirectory_ / name).string()); }
  U_Location at(const std::string& name, int line, int column = 0) const {
    return U_Location(source(name), line, column);
  }
  U_Location inHeader(const std::string& includer, int includeLine, int line) const {
    return U_Location(source("h.h"), line, 0, at(includer, includeLine));
  }

  // The source's metric file (empty) and its error file, written with the
  // program's own writer.
  void writeSource(const std::string& name, const std::vector<U_Handle<M_Diagnostic>>& diagnostics,
                   const std::vector<U_Handle<M_SuppressionRecord>>& records = {}) const {
    writeMetricFile(name, "");
    M_OutputVarnix2 output(false);
    output.open((outputDirectory_ / (name + ".err")).string());
    for (const auto& record : records) output.writeSuppressionRecord(*record);
    for (const auto& d : diagnostics) output.writeDiagnostic(*d, d->isHiddenByPragma());
    output.close();
  }

  void read(const std::vector<std::string>& names) const {
    int index = 0;
    for (const std::string& name : names) {
      P_readSource(++index, static_cast<int>(names.size()), source(name), outputDirectory_.string());
    }
  }

  void registerAll() const {
    PI_configureOnMessage(1503, &onMessage);
    PI_configureOnDiagnosticSuppressed(&onSuppressed);
    PI_configureOnDiagnostic(&onDiagnostic);
    PI_configureOnSuppressionRecord(&onRecord);
  }
};

U_Handle<M_Diagnostic> diagnostic(int message, U_Location location) {
  return U_make<M_Diagnostic>(message, std::move(location));
}

U_Handle<M_SuppressionRecord> suppression(int kind, const std::string& tag, U_Location begin, U_Location end,
                                          std::vector<M_MessageRange> ranges) {
  return U_make<M_SuppressionRecord>(kind, begin, tag, std::move(ranges), begin, end);
}

TEST_F(DiagnosticsTest, ReadOnlyWhenSomebodyListens) {
  writeMetricFile("a.c", "");
  // Nobody registered: the missing error file goes unnoticed.
  EXPECT_NO_THROW(read({"a.c"}));
  publishSettings([](C_RunSettings& s) { s.alwaysReadErrors = true; });
  try {
    read({"a.c"});
    FAIL() << "a missing error file must be reported";
  } catch (const P_FileOpenException& missing) {
    EXPECT_EQ(missing.fileName(), (outputDirectory_ / "a.c.err").string());
  }
  C_publishRunSettings({});
  PI_configureOnSuppressionRecord(&onRecord);
  EXPECT_THROW(read({"a.c"}), P_FileOpenException);
}

TEST_F(DiagnosticsTest, SortedOnceEachWithEventsInOrder) {
  const auto late = diagnostic(1503, at("a.c", 9));
  writeSource("a.c", {late, diagnostic(1504, inHeader("a.c", 3, 2)), diagnostic(1503, at("a.c", 3, 4)),
                      diagnostic(1503, at("a.c", 9))});
  registerAll();
  read({"a.c"});
  const std::string a = (outputDirectory_ / "a.c").string();
  const std::string h = (outputDirectory_ / "h.h").string();
  EXPECT_EQ(events(), (std::vector<std::string>{
                          "Message " + a + ":3:4: Msg=1503 #params=0 dup=0 supp=0",
                          "Suppressed " + a + ":3:4: Msg=1503 #params=0 dup=0 supp=0",
                          "Diagnostic " + a + ":3:4: Msg=1503 #params=0 dup=0",
                          "Suppressed " + h + ":2: Msg=1504 #params=0 dup=0 supp=0",
                          "Diagnostic " + h + ":2: Msg=1504 #params=0 dup=0",
                          "Message " + a + ":9: Msg=1503 #params=0 dup=0 supp=0",
                          "Suppressed " + a + ":9: Msg=1503 #params=0 dup=0 supp=0",
                          "Diagnostic " + a + ":9: Msg=1503 #params=0 dup=0",
                      }));
  EXPECT_STREQ(PI_getDiagnosticFilename(delivered()[1]), h.c_str());
}

TEST_F(DiagnosticsTest, HeaderDiagnosticOfTwoSourcesIsOneHandle) {
  writeSource("a.c", {diagnostic(1504, inHeader("a.c", 3, 2))});
  writeSource("b.c", {diagnostic(1504, inHeader("b.c", 1, 2)), diagnostic(1505, at("b.c", 4))});
  PI_configureOnDiagnostic(&onDiagnostic);
  read({"a.c", "b.c"});
  const std::string h = (outputDirectory_ / "h.h").string();
  const std::string b = (outputDirectory_ / "b.c").string();
  EXPECT_EQ(events(), (std::vector<std::string>{"Diagnostic " + h + ":2: Msg=1504 #params=0 dup=0",
                                                "Diagnostic " + h + ":2: Msg=1504 #params=0 dup=1",
                                                "Diagnostic " + b + ":4: Msg=1505 #params=0 dup=0"}));
  ASSERT_EQ(delivered().size(), 3u);
  EXPECT_EQ(delivered()[0], delivered()[1]);
  EXPECT_EQ(PI_getDiagnosticID(delivered()[2]), 1505);
}

TEST_F(DiagnosticsTest, SuppressedDiagnosticsNeverReachOnDiagnostic) {
  auto error = diagnostic(1503, at("a.c", 6, 1));
  error->setError(true);
  writeSource("a.c", {diagnostic(1503, at("a.c", 6)), error, diagnostic(1503, at("a.c", 12))},
              {suppression(1, "first", at("a.c", 5), at("a.c", 8), {{"1503", ""}}),
               suppression(0, "place", at("a.c", 5), U_Location(), {}),
               suppression(2, "second", at("a.c", 1), at("a.c", 20), {{"1500", "1510"}})});
  registerAll();
  read({"a.c"});
  const std::string a = (outputDirectory_ / "a.c").string();
  // Without OnSuppressionRecordDiagnostic an error is never suppressed.
  EXPECT_EQ(events(), (std::vector<std::string>{
                          "Record first", "Record place", "Record second",
                          "Message " + a + ":6: Msg=1503 #params=0 dup=0 supp=1",
                          "Suppressed " + a + ":6: Msg=1503 #params=0 dup=0 supp=1",
                          "Message " + a + ":6:1: Msg=1503 #params=0 dup=0 supp=0",
                          "Suppressed " + a + ":6:1: Msg=1503 #params=0 dup=0 supp=0",
                          "Diagnostic " + a + ":6:1: Msg=1503 #params=0 dup=0",
                          "Message " + a + ":12: Msg=1503 #params=0 dup=0 supp=1",
                          "Suppressed " + a + ":12: Msg=1503 #params=0 dup=0 supp=1",
                      }));
}

TEST_F(DiagnosticsTest, EverySuppressingRecordIsNamed) {
  auto error = diagnostic(1503, at("a.c", 6, 1));
  error->setError(true);
  writeSource("a.c", {diagnostic(1503, at("a.c", 6)), error},
              {suppression(2, "second", at("a.c", 1), at("a.c", 20), {{"1500", "1510"}}),
               suppression(1, "first", at("a.c", 5), at("a.c", 8), {{"1503", ""}})});
  PI_configureOnSuppressionRecordDiagnostic(&onRecordDiagnostic);
  read({"a.c"});
  const std::string a = (outputDirectory_ / "a.c").string();
  // Kind 1 first; an error is suppressed like any other diagnostic here.
  EXPECT_EQ(events(), (std::vector<std::string>{
                          "RecordDiagnostic first " + a + ":6: Msg=1503 #params=0",
                          "RecordDiagnostic second " + a + ":6: Msg=1503 #params=0",
                          "RecordDiagnostic first " + a + ":6:1: Msg=1503 #params=0",
                          "RecordDiagnostic second " + a + ":6:1: Msg=1503 #params=0",
                      }));
}

TEST_F(DiagnosticsTest, HiddenWarningsIgnoreTheRecords) {
  auto hidden = diagnostic(1503, at("a.c", 7));
  hidden->setHiddenByPragma(true);
  writeSource("a.c", {diagnostic(1503, at("a.c", 6)), hidden},
              {suppression(1, "first", at("a.c", 5), at("a.c", 8), {{"1503", ""}})});
  PI_configureOnSuppressionRecord(&onRecord);
  PI_configureOnDiagnostic(&onDiagnostic);
  read({"a.c"});
  EXPECT_EQ(events(), (std::vector<std::string>{"Record first"}));

  // A run with "hiddenwarnings".
  zum::ProcessState::reset();
  events().clear();
  P_setErrorFileReader(&P_readErrorFile);
  PI_configureOnSuppressionRecord(&onRecord);
  PI_configureOnDiagnostic(&onDiagnostic);
  runtest::publishCommandLine({"-hw"});
  read({"a.c"});
  const std::string a = (outputDirectory_ / "a.c").string();
  EXPECT_EQ(events(), (std::vector<std::string>{"Diagnostic " + a + ":6: Msg=1503 #params=0 dup=0",
                                                "Diagnostic " + a + ":7: Msg=1503 #params=0 hidden by pragma dup=0"}));
}

TEST_F(DiagnosticsTest, ReportFilter) {
  auto error = diagnostic(1510, inHeader("a.c", 2, 9));
  error->setError(true);
  writeSource("a.c", {diagnostic(1503, at("a.c", 5)), diagnostic(1504, inHeader("a.c", 2, 8)), error});
  PI_configureOnDiagnostic(&onDiagnostic);
  auto delivered = [&](const std::vector<std::string>& arguments) {
    zum::ProcessState::reset();
    PI_configureOnDiagnostic(&onDiagnostic);
    P_setErrorFileReader(&P_readErrorFile);
    runtest::publishCommandLine(arguments);
    events().clear();
    read({"a.c"});
    std::vector<int> numbers;
    for (const std::string& event : events()) numbers.push_back(std::stoi(event.substr(event.find("Msg=") + 4)));
    return numbers;
  };
  EXPECT_EQ(delivered({}), (std::vector<int>{1504, 1510, 1503}));
  EXPECT_EQ(delivered({"-nomsg", "1503-1510"}), (std::vector<int>{1510}));
  EXPECT_EQ(delivered({"-only", "1503"}), (std::vector<int>{1510, 1503}));
  // Levels come from the message table; a number without an entry is of
  // level "fatal", here undefined: 99. An error passes whatever its level.
  runtest::RunEnvironment environment;
  std::ofstream(environment.path("bin/zum.msg")) << "#define info 1\n#define warning 4\n1503 warning a\n1510 info b\n";
  EXPECT_EQ(delivered({"-su", "4"}), (std::vector<int>{1504, 1510}));
  EXPECT_EQ(delivered({"-su", "1,99"}), (std::vector<int>{1510, 1503}));
  EXPECT_EQ(delivered({"-su", "5-98"}), (std::vector<int>{1504, 1510, 1503}));
  EXPECT_EQ(delivered({"-hdr"}), (std::vector<int>{1510, 1503}));
  EXPECT_EQ(delivered({"-q", (outputDirectory_ / "h.h").string()}), (std::vector<int>{1510, 1503}));
}

}  // namespace
