// The cross-module file reader: record lines and tags, the reader registry,
// line splitting across blocks, per-source file naming, the log and OnSource.
#include <fcntl.h>

#include <fstream>
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/LineReader.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/RecordReaders.h"
#include "TestText.h"
#include "model_test_support.h"
#include "settings_test_support.h"

using namespace modeltest;

namespace {

std::vector<std::string>& seenLines() {
  static std::vector<std::string> lines;
  return lines;
}
void rememberLine(std::string_view line) { seenLines().push_back(std::string(line)); }
void rememberLineAgain(std::string_view line) { seenLines().push_back("again " + std::string(line)); }

class ReaderTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    seenLines().clear();
  }
};

std::vector<std::string> splitWithBlockSize(const std::string& content, std::size_t blockSize,
                                            const std::filesystem::path& dir) {
  std::filesystem::path path = dir / "lines.txt";
  std::ofstream(path, std::ios::binary) << content;
  zum::LineReader reader(::open(path.c_str(), O_RDONLY), blockSize);
  std::vector<std::string> lines;
  reader.forEachLine([&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace

TEST(RecordTag, IsTheTextBetweenTheLeadingAngleAndTheFirstClosingOne) {
  EXPECT_EQ(P_recordTag("<DEFINE> f a.c 1"), "DEFINE");
  EXPECT_EQ(P_recordTag("<R>C a b 1 -"), "R");
  EXPECT_EQ(P_recordTag("<S>STFIL a.c"), "S");
  EXPECT_EQ(P_recordTag("<>x"), "");
  EXPECT_NE(P_recordTag("<>x").data(), nullptr);
  // Not record lines.
  EXPECT_EQ(P_recordTag("<DEFINE f a.c").data(), nullptr);
  EXPECT_EQ(P_recordTag(" <DEFINE> f").data(), nullptr);
  EXPECT_EQ(P_recordTag("").data(), nullptr);
  EXPECT_EQ(P_recordTag("<").data(), nullptr);
}

TEST_F(ReaderTest, OnlyRegisteredTagsReachTheirReadersOncePerLine) {
  P_registerRecordReader("X", &rememberLine);
  P_registerRecordReader("X", &rememberLine);  // idempotent
  P_registerRecordReader("Y", &rememberLine);
  P_registerRecordReader("Y", &rememberLineAgain);
  writeMetricFile("a.c", "<X> one\n<Z> skipped\n<X two\n <X> blank first\n\n<Y>y\nplain text\n<XX> other tag\n");
  readSource("a.c");
  EXPECT_EQ(seenLines(), (std::vector<std::string>{"<X> one", "<Y>y", "again <Y>y"}));
}

// The source's base name in the output directory, wherever the source is.
TEST_F(ReaderTest, MetricFileIsNamedFromOutputDirectoryAndBaseName) {
  P_registerRecordReader("X", &rememberLine);
  writeMetricFile("a.c", "<X> from the output directory\n");
  P_readSource(1, 1, XF_Filename("some/where/else/a.c"), outputDirectory_.string());
  EXPECT_EQ(seenLines(), (std::vector<std::string>{"<X> from the output directory"}));
}

TEST_F(ReaderTest, MissingMetricFileThrowsAfterOnSourceAndSkipsTheErrorFile) {
  static bool errorFileRead;
  errorFileRead = false;
  P_setErrorFileReader([](const P_Source&) { errorFileRead = true; });
  PI_configureOnSource(&recordSource);
  try {
    readSource("missing.c");
    FAIL() << "no exception";
  } catch (const P_FileOpenException& e) {
    EXPECT_STREQ(e.what(), "PostAnalysis FileOpenException");
    EXPECT_EQ(e.fileName(), (outputDirectory_ / "missing.c.met").string());
  }
  EXPECT_EQ(events(), (std::vector<std::string>{"Source missing.c"}));
  EXPECT_FALSE(errorFileRead);

  writeMetricFile("there.c", "");
  readSource("there.c");
  EXPECT_TRUE(errorFileRead);
}

TEST_F(ReaderTest, OnSourceFiresForAFileWithoutRecordsAndKeepsTheSource) {
  PI_configureOnSource(&recordSource);
  PI_configureOnSource(&recordSource);
  writeMetricFile("empty.c", "just text\n");
  readSource("empty.c");
  EXPECT_EQ(events(), (std::vector<std::string>{"Source empty.c"}));
}

TEST_F(ReaderTest, LogNamesEverySource) {
  std::filesystem::path log = outputDirectory_ / "run.log";
  publishSettings([&](C_RunSettings& s) { s.logFile = log.string(); });
  P_openLog();
  writeMetricFile("a.c", "");
  writeMetricFile("b.c", "");
  readSources({"a.c", "b.c"});
  P_closeLog();
  EXPECT_EQ(zumtest::readFile(log), "File: 1/2 Name: a.c\nFile: 2/2 Name: b.c\n");
}


TEST_F(ReaderTest, LinesAreSplitTheSameWhateverTheBlockSize) {
  std::string content = "first\r\nsecond line\n\nthird without newline";
  std::vector<std::string> expected{"first", "second line", "", "third without newline"};
  for (std::size_t blockSize : {16, 17, 23, 64, 1 << 20})
    EXPECT_EQ(splitWithBlockSize(content, blockSize, outputDirectory_), expected) << blockSize;
}

TEST_F(ReaderTest, ALineMuchLongerThanABlockArrivesWhole) {
  std::string longLine(5 * 1024 * 1024 + 3, 'x');
  std::string content = "a\n" + longLine + "\nb\n";
  std::vector<std::string> lines = splitWithBlockSize(content, 1 << 20, outputDirectory_);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1].size(), longLine.size());
  EXPECT_EQ(lines[2], "b");
}

TEST(LineSplitting, InMemoryTextSplitsLikeAFile) {
  std::vector<std::string> lines;
  zum::forEachLineOf("a\r\n\nb", [&](std::string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b"}));
}
