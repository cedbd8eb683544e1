// The project outputs' file layer: a new file appears with its first bytes,
// a failed run cuts the file back to what it held, and a fatal signal cuts
// it back to its last whole record.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "messages_test_support.h"
#include "util/GuardedAppendFile.h"
#include "util/InputFile.h"

using messagestest::readFile;
using messagestest::TempDir;
using messagestest::writeFile;

TEST(GuardedAppendFile, AFileItMadeIsRemovedWhenCutBack) {
  TempDir dir;
  const std::string path = dir.path("p.err");
  int error = 0;
  auto file = zum::GuardedAppendFile::open(path, "HEAD", error);
  ASSERT_TRUE(file) << error;
  EXPECT_TRUE(file->created());
  EXPECT_EQ(readFile(path), "HEAD");
  EXPECT_TRUE(file->append("record"));
  EXPECT_TRUE(file->cutBack());
  EXPECT_FALSE(std::filesystem::exists(path));
  // No temporary file is left beside it.
  EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(path).parent_path()));
}

TEST(GuardedAppendFile, AnExistingFileIsCutBackToItsSizeOrToItsLastWholeRecord) {
  TempDir dir;
  const std::string path = dir.path("p.met");
  writeFile(path, "old\n");
  int error = 0;
  auto file = zum::GuardedAppendFile::open(path, "unused", error);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->created());
  EXPECT_EQ(file->sizeAtOpen(), 4u);
  EXPECT_EQ(file->readAt(3, 5), "\n");
  EXPECT_TRUE(file->append("one\n"));
  file->markWhole();
  EXPECT_TRUE(file->append("tw"));
  // A second file open beside it (a run's error and metric files) keeps
  // its own last whole record.
  const std::string other = dir.path("p.err");
  writeFile(other, "longer and whole");
  auto second = zum::GuardedAppendFile::open(other, "unused", error);
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->append(" cut"));
  zum::GuardedAppendFile::cutBackAllOnSignal();
  EXPECT_EQ(readFile(path), "old\none\n");
  EXPECT_EQ(readFile(other), "longer and whole");
  // A failure cuts back every open file, and the others take no more.
  EXPECT_TRUE(second->append(" lost"));
  EXPECT_TRUE(file->cutBackAfterFailure().ends_with(
      "; the file is left as it was before the run; '" + other + "' is left as it was before the run too"));
  EXPECT_EQ(readFile(path), "old\n");
  EXPECT_TRUE(second->append(" dropped"));
  EXPECT_EQ(readFile(other), "longer and whole");
  EXPECT_TRUE(file->close());
}

TEST(GuardedAppendFile, OnlyRegularFilesAreOpened) {
  TempDir dir;
  int error = 0;
  EXPECT_FALSE(zum::GuardedAppendFile::open("/dev/null", "", error));
  EXPECT_EQ(error, zum::InputFile::kNotRegular);
  EXPECT_FALSE(zum::GuardedAppendFile::open(dir.path(""), "", error));
  EXPECT_EQ(zum::describeFileError(error), "Is a directory");
  EXPECT_FALSE(zum::GuardedAppendFile::open(dir.path("no/such.err"), "", error));
  EXPECT_EQ(zum::describeFileError(error), "No such file or directory");
}
