// Metric lines of the project metric file: the three-line header and when
// it is written, the display text of file names, values, line ends.
#include <functional>

#include "metricfile/MetricZEK.h"
#include "metricfile_test_support.h"

namespace {

using metricfiletest::file;
using metricfiletest::MetricFileTest;

class MetricLines : public MetricFileTest {};

struct Entity : M_MetricEntity {
  U_Location location() const override { return U_Location(file("/e.cpp", "e.cpp"), 3, 1); }
  U_String qualifiedName() const override { return "C::m"; }
};

// Each row is the project metric file of a new process.
TEST_F(MetricLines, AHeaderOpensEachSymbolOrFileAndNamesTheFileAsShown) {
  const XF_Filename a = file("/src/a.c", "src/a.c");
  const XF_Filename b = file("/a.c", "a.c");
  const std::pair<std::function<void()>, std::string> cases[] = {
      // One header per symbol, a new one for the next symbol of the file.
      {[&] {
         M_writeSymbolMetric(a, "f", "STM29", 3);
         M_writeSymbolMetric(a, "f", "STCYC", 4);
         M_writeSymbolMetric(a, "g", "STM29", 5);
         M_writeSymbolMetric(a, "g", "STCYC", 6);
       },
       "<S>\r\n<S>STFIL \\src\\a.c\r\n<S>STNAM f\r\n<S>STM29 3\r\n<S>STCYC 4\r\n"
       "<S>\r\n<S>STFIL \\src\\a.c\r\n<S>STNAM g\r\n<S>STM29 5\r\n<S>STCYC 6\r\n"},
      // Another file or an earlier symbol gets a header again.
      {[&] {
         M_writeSymbolMetric(b, "f", "M", 1);
         M_writeSymbolMetric(file("/b.c", "b.c"), "f", "M", 2);
         M_writeSymbolMetric(b, "f", "N", 3);
       },
       "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM f\r\n<S>M 1\r\n<S>\r\n<S>STFIL \\b.c\r\n<S>STNAM f\r\n<S>M 2\r\n"
       "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM f\r\n<S>N 3\r\n"},
      // The project has no file and no name: an empty header memory must not
      // pass for a header already written.
      {[] {
         M_writeFileOrProjectMetric(XF_Filename(), "STCYA", 12);
         M_writeFileOrProjectMetric(XF_Filename(), "STNFA", 7);
       },
       "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STCYA 12\r\n<S>STNFA 7\r\n"},
      // A file metric is named after its file.
      {[] {
         M_writeFileOrProjectMetric(file("/src/a.c", "a.c"), "STFNC", 2);
         M_writeFileOrProjectMetric(file("/src/a.c", "a.c"), "STLIN", 40);
       },
       "<S>\r\n<S>STFIL \\src\\a.c\r\n<S>STNAM \\src\\a.c\r\n<S>STFNC 2\r\n<S>STLIN 40\r\n"},
      // File names with a blank or a tab are quoted.
      {[] {
         M_writeSymbolMetric(file("/my src/a.c", "a.c"), "f", "M", 1);
         M_writeFileOrProjectMetric(file("/t\tx.c", "x.c"), "M", 2);
       },
       "<S>\r\n<S>STFIL \"\\my src\\a.c\"\r\n<S>STNAM f\r\n<S>M 1\r\n"
       "<S>\r\n<S>STFIL \"\\t\tx.c\"\r\n<S>STNAM \"\\t\tx.c\"\r\n<S>M 2\r\n"},
      // Real values of symbols are short, those of files have three decimals.
      {[&] {
         M_metricWriter()->symbolMetricReal("R", b, "f", 2.5);
         M_metricWriter()->symbolMetricReal("S", b, "f", 1.0 / 3.0);
         M_metricWriter()->fileMetricReal("T", b, 2.5);
         M_metricWriter()->fileMetricReal("U", b, 1.0 / 3.0);
       },
       "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM f\r\n<S>R 2.5\r\n<S>S 0.333333\r\n"
       "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM \\a.c\r\n<S>T 2.500\r\n<S>U 0.333\r\n"},
      // An entity or a location gives the file of the header.
      {[] {
         M_metricWriter()->entityMetricInt("STWMC", Entity(), 4);
         M_writeSymbolMetric(U_Location(file("/e.cpp", "e.cpp"), 10, 2), "C::m", "STRFC", 9);
         M_metricWriter()->fileMetricInt("STFNC", file("/e.cpp", "e.cpp"), 1);
       },
       "<S>\r\n<S>STFIL \\e.cpp\r\n<S>STNAM C::m\r\n<S>STWMC 4\r\n<S>STRFC 9\r\n"
       "<S>\r\n<S>STFIL \\e.cpp\r\n<S>STNAM \\e.cpp\r\n<S>STFNC 1\r\n"},
  };
  for (const auto& [write, bytes] : cases) {
    newProcess();
    std::filesystem::remove(projectMetricFile());
    EXPECT_EQ(writeProjectFile(write), bytes);
  }
}

TEST_F(MetricLines, FileNamesKeepForwardSlashesUnderOsIndependentSlashAndAreGivenWithoutExpandFileNames) {
  publishSettings([](C_RunSettings& s) { s.forwardSlashes = true; });
  EXPECT_EQ(writeProjectFile([&] { M_writeSymbolMetric(file("/src/a.c", "a.c"), "f", "M", 1); }),
            "<S>\r\n<S>STFIL /src/a.c\r\n<S>STNAM f\r\n<S>M 1\r\n");
  newProcess();
  std::filesystem::remove(projectMetricFile());
  publishSettings([](C_RunSettings& s) { s.expandFileNames = false; });
  EXPECT_EQ(writeProjectFile([&] { M_writeSymbolMetric(file("/w/src/a.c", "src/a.c"), "f", "M", 1); }),
            "<S>\r\n<S>STFIL src\\a.c\r\n<S>STNAM f\r\n<S>M 1\r\n");
}

TEST_F(MetricLines, TwoNamesOfOneFileShowTheirOwnTextWithoutExpandFileNames) {
  // Same absolute half, different given halves: the shown text differs,
  // so neither the display cache nor the header may take one for the other.
  publishSettings([](C_RunSettings& s) { s.expandFileNames = false; });
  const std::string bytes = writeProjectFile([&] {
    M_writeSymbolMetric(file("/w/a.c", "a.c"), "f", "M", 1);
    M_writeSymbolMetric(file("/w/a.c", "./a.c"), "f", "M", 2);
  });
  EXPECT_EQ(bytes,
            "<S>\r\n<S>STFIL a.c\r\n<S>STNAM f\r\n<S>M 1\r\n"
            "<S>\r\n<S>STFIL .\\a.c\r\n<S>STNAM f\r\n<S>M 2\r\n");
}

TEST_F(MetricLines, TheHeaderMemoryOutlivesTheWriter) {
  // Reopening replaces the writer but not what the process remembers: the
  // same file and name go on without a header, another name gets one.
  const XF_Filename a = file("/a.c", "a.c");
  M_openMetricOutput(projectLocation());
  M_writeSymbolMetric(a, "f", "M", 1);
  M_openMetricOutput(projectLocation());
  M_writeSymbolMetric(a, "f", "N", 2);
  M_writeSymbolMetric(a, "g", "O", 3);
  M_closeMetricOutput();
  EXPECT_EQ(readFile(projectMetricFile()),
            "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM f\r\n<S>M 1\r\n"
            "<S>N 2\r\n"
            "<S>\r\n<S>STFIL \\a.c\r\n<S>STNAM g\r\n<S>O 3\r\n");
}

}  // namespace
