// Opening, flushing and closing the project metric output: which writer
// the debug switches choose, where its file is, appending, failures.
#include "metricfile/MetricExceptions.h"
#include "metricfile/MetricNull.h"
#include "metricfile/MetricZEK.h"
#include "metricfile_test_support.h"

namespace {

using metricfiletest::CaptureStandardOutput;
using metricfiletest::file;
using metricfiletest::MetricFileTest;

constexpr const char* kOneMetric = "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STCYA 5\r\n";

void writeOneMetric() { M_writeFileOrProjectMetric(XF_Filename(), "STCYA", 5); }

class MetricOutput : public MetricFileTest {};

TEST_F(MetricOutput, TheProjectFileIsNamedAfterTheRunsProjectInItsOutputDirectory) {
  zum::runOutputLocation() = projectLocation();
  M_openMetricOutput();
  writeOneMetric();
  M_closeMetricOutput();
  EXPECT_EQ(readFile(projectMetricFile()), kOneMetric);
}

TEST_F(MetricOutput, TheOlderErrorFileKindWritesTheFileToo) {
  publishSettings([](C_RunSettings& s) { s.olderErrorFile = true; });
  EXPECT_EQ(writeProjectFile(writeOneMetric), kOneMetric);
}

TEST_F(MetricOutput, NullMetricOutputWritesNothingAndMakesNoFile) {
  publishSettings([](C_RunSettings& s) { s.nullMetricOutput = s.simpleOutput = true; });
  M_openMetricOutput(projectLocation());
  EXPECT_NE(dynamic_cast<M_MetricNull*>(M_metricWriter()), nullptr);
  CaptureStandardOutput captured;
  writeOneMetric();
  M_writeSymbolMetric(file("/a.c", "a.c"), "f", "M", 1);
  M_flushMetricOutput();
  M_closeMetricOutput();
  EXPECT_EQ(captured.text(), "");
  EXPECT_FALSE(std::filesystem::exists(projectMetricFile()));
}

TEST_F(MetricOutput, ClosingLeavesStandardOutputUsable) {
  publishSettings([](C_RunSettings& s) { s.simpleOutput = true; });
  CaptureStandardOutput captured;
  M_openMetricOutput(projectLocation());
  M_closeMetricOutput();
  std::cout << "after";
  EXPECT_TRUE(std::cout.good());
  EXPECT_EQ(captured.text(), "after");
}

TEST_F(MetricOutput, AMissingOutputDirectoryIsReportedWithSourceAndDirectory) {
  const std::string missing = dir() + "/missing";
  const zum::OutputLocation location{file(missing + "/proj", missing + "/proj"), missing};
  try {
    M_openMetricOutput(location);
    FAIL() << "no exception";
  } catch (const U_UserException& e) {
    EXPECT_NE(dynamic_cast<const M_ZEKCannotOpenMetricFile*>(&e), nullptr);
    EXPECT_EQ(std::string(e.what()), "Cannot write metric file for '" + missing + "/proj' in output directory '" +
                                         missing + "'.\n  in '" + missing + "/proj.met': No such file or directory");
  }
  EXPECT_EQ(M_metricWriter(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(MetricOutput, ReopeningClosesTheEarlierWriter) {
  M_openMetricOutput(projectLocation());
  writeOneMetric();
  M_openMetricOutput(zum::OutputLocation{file("/w/other", "other"), dir()});
  // The first file is complete although nothing flushed it explicitly.
  EXPECT_EQ(readFile(projectMetricFile()), kOneMetric);
  M_closeMetricOutput();
  EXPECT_EQ(M_metricWriter(), nullptr);
}

// Lines wait in the buffer until a flush, or go at once with "always flush".
TEST_F(MetricOutput, LinesReachTheDiskAtAFlushOrAtOnceWithAlwaysFlush) {
  for (const bool always : {false, true}) {
    newProcess();
    std::filesystem::remove(projectMetricFile());
    publishSettings([always](C_RunSettings& s) { s.alwaysFlushMetrics = always; });
    M_openMetricOutput(projectLocation());
    writeOneMetric();
    EXPECT_EQ(readFile(projectMetricFile()), always ? kOneMetric : "") << always;
    M_flushMetricOutput();
    EXPECT_EQ(readFile(projectMetricFile()), kOneMetric) << always;
  }
}

TEST_F(MetricOutput, OpenForSourceMakesTheFileAnew) {
  writeFile(dir() + "/a.c.met", "old content\r\n");
  M_MetricZEK writer;
  writer.openForSource("src/a.c", dir());
  writer.fileOrProjectMetricInt("STCYA", XF_Filename(), 5);
  writer.close();
  EXPECT_EQ(readFile(dir() + "/a.c.met"), kOneMetric);
}

TEST_F(MetricOutput, OpenByNameAppendsInTheRunsOutputDirectory) {
  zum::runOutputLocation() = projectLocation();
  writeFile(dir() + "/b.c.met", "x\r\n");
  {
    M_MetricZEK writer;
    writer.openByName("elsewhere/b.c");
    writer.fileOrProjectMetricInt("STCYA", XF_Filename(), 5);
  }  // the destructor closes
  EXPECT_EQ(readFile(dir() + "/b.c.met"), std::string("x\r\n") + kOneMetric);
}

TEST_F(MetricOutput, TheSourceDashIsStandardOutput) {
  CaptureStandardOutput captured;
  M_MetricZEK writer;
  writer.openForSource("-", dir());
  writer.message("a", "b");
  writer.close();
  EXPECT_FALSE(writer.isOpen());
  writer.message("c", "d");
  EXPECT_EQ(captured.text(), "<MSG> a b\r\n");
}

}  // namespace
