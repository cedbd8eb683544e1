// Damaged error files: each kind of damage ends reading with its designed
// exception text, keeps what was read before, and never crashes.
#include <gtest/gtest.h>

#include <functional>

#include "messages/ErrorFileExceptions.h"
#include "messages/ErrorFileFormat.h"
#include "messages/InputVarnix.h"
#include "messages/OutputVarnix2.h"
#include "messages_test_support.h"
#include "util/ProcessState.h"

using messagestest::Bytes;
using messagestest::file;
using messagestest::TempDir;
using messagestest::writeFile;

namespace {

const char kTruncated[] = "Problems reading binary file. errno (0): Success";
const char kStructure[] = "Problems reading binary file.";

struct Outcome {
  std::string what;     // the designed text; "" when reading succeeded
  std::string place;    // where the damage lies, as the message adds it
  std::string stderrText;
  std::size_t diagnostics = 0;
  std::size_t suppressionRecords = 0;
};

Outcome readDamaged(const std::string& bytes, const std::string& name = "damaged.err") {
  Outcome outcome;
  M_InputVarnix input(name);
  input.setSource(file("/p/a.c", "a.c"));
  ::testing::internal::CaptureStderr();
  try {
    input.read(bytes);
  } catch (const U_Exception& failure) {
    outcome.what = messagestest::designedText(failure.what());
    outcome.place = messagestest::placeText(failure.what());
  }
  outcome.stderrText = ::testing::internal::GetCapturedStderr();
  outcome.diagnostics = input.diagnostics().size();
  outcome.suppressionRecords = input.suppressionRecords().size();
  return outcome;
}

std::string caughtReport(const std::string& reason) {
  return "caught a R_ReadingException in getNextMessage().\n  reason: " + reason + "\n";
}

Bytes currentHeader() { return std::move(Bytes().i32(0x8200).i32(0).u8(1).i32(0)); }

// A diagnostic record at a new location 0 of file 0 (first in a section).
Bytes firstDiagnostic(int number) {
  Bytes b;
  b.u8(2).i32(0).i32(0).str("/p/a.c").str("a.c").i32(1).i32(0).u8(0).i32(number).i32(0).i32(0).i32(0);
  return b;
}

// A diagnostic body at the known location 0, without parameters.
Bytes laterBody(int number) {
  Bytes b;
  b.i32(0).i32(number).i32(0).i32(0).i32(0);
  return b;
}

Bytes laterDiagnostic(int number) { return std::move(Bytes().u8(2).append(laterBody(number))); }

class ErrorFileDamageTest : public ::testing::Test {
 protected:
  void TearDown() override { zum::ProcessState::reset(); }
};

}  // namespace

TEST_F(ErrorFileDamageTest, EveryTruncationIsAReadFailureOrARecordBoundary) {
  Bytes whole = currentHeader();
  whole.append(firstDiagnostic(1));
  whole.u8(2).i32(1).i32(1).str("/p/h.h").str("h.h").i32(4).i32(2).u8(1 | 4 | 8 | 2)
      .i32(0).i32(0).i32(0).str("M").u8(1).i32(0).i32(1).str("N").u8(0)
      .i32(1).i32(9).i32(0).str("ent")
      .i32(2).i32(1).i32(0).i32(2).u8(2).i32(1).str("s").u8(4).i32(1).append(laterBody(3));
  std::string bytes = whole.bytes();
  bytes += Bytes().u8(4).u8(1).i32(0).str("t").i32(1).str("1").str("2").u8(4).i32(0).u8(1).i32(0).bytes();
  bytes += Bytes().u8(1).i32(0).bytes();
  bytes += firstDiagnostic(4).bytes();

  const Outcome full = readDamaged(bytes);
  ASSERT_EQ(full.what, "") << full.stderrText;
  ASSERT_EQ(full.diagnostics, 3u);
  ASSERT_EQ(full.suppressionRecords, 1u);

  std::size_t boundaries = 0;
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    const Outcome cut = readDamaged(bytes.substr(0, size));
    if (cut.what.empty()) {
      ++boundaries;
      continue;
    }
    EXPECT_EQ(cut.what, kTruncated) << "cut at " << size;
    EXPECT_EQ(cut.stderrText, caughtReport(kTruncated)) << "cut at " << size;
    // The message names the file and where the torn record begins.
    EXPECT_TRUE(cut.place.starts_with("in 'damaged.err': " + std::string(size < 8 ? "its header" : "the record at byte ")))
        << cut.place;
    EXPECT_TRUE(cut.place.ends_with(" runs past the end of the file (" + std::to_string(size) + " bytes)")) << cut.place;
    EXPECT_LE(cut.diagnostics, full.diagnostics);
  }
  // Header plus first section start, and after each of the five records.
  EXPECT_EQ(boundaries, 6u);
}

TEST_F(ErrorFileDamageTest, OlderFileCutInsideARecordIsAReadFailure) {
  Bytes b;
  b.i32(0x7900).i32(0).i32(1).ostr("/p/h.h").i32(3).i32(1).i32(-1).i32(0).i32(7).i32(0).i32(0).i32(1).ostr("p").i32(0);
  const std::string bytes = b.bytes();
  EXPECT_EQ(readDamaged(bytes).what, "");
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    if (size == 8) continue;  // the header alone is a file without records
    EXPECT_EQ(readDamaged(bytes.substr(0, size)).what, kTruncated) << "cut at " << size;
  }
  // A current-file record must be followed by a record.
  Bytes trailing;
  trailing.i32(0x7900).i32(0).i32(1).ostr("/p/h.h");
  EXPECT_EQ(readDamaged(trailing.bytes()).what, kTruncated);
}

TEST_F(ErrorFileDamageTest, HugeLengthsAllocateNothing) {
  Bytes hugeString = currentHeader();
  hugeString.append(firstDiagnostic(1)).u8(2).i32(0).i32(5).i32(0).i32(0).i32(1).u8(1).i32(2000000000).raw("abc");
  Outcome outcome = readDamaged(hugeString.bytes());
  EXPECT_EQ(outcome.what, kTruncated);
  EXPECT_EQ(outcome.stderrText, caughtReport(kTruncated));
  EXPECT_EQ(outcome.diagnostics, 1u);  // the record before stays

  Bytes negativeLength = currentHeader();
  negativeLength.u8(2).i32(0).i32(0).i32(-1);
  EXPECT_EQ(readDamaged(negativeLength.bytes()).what, kTruncated);

  Bytes hugeSection;
  hugeSection.i32(0x8200).i32(0).u8(1).i32(0x7fffffff);
  EXPECT_EQ(readDamaged(hugeSection.bytes()).what, kTruncated);

  Bytes hugeCount = currentHeader();
  hugeCount.u8(2).i32(0).i32(0).str("").str("").i32(1).i32(0).u8(0).i32(1).i32(0).i32(0).i32(2000000000).u8(1).str("x");
  EXPECT_EQ(readDamaged(hugeCount.bytes()).what, kTruncated);

  Bytes olderHugeCount;
  olderHugeCount.i32(0x7900).i32(0).i32(3).i32(1).i32(-1).i32(0).i32(1).i32(0).i32(0).i32(0x7fffffff).ostr("a");
  EXPECT_EQ(readDamaged(olderHugeCount.bytes()).what, kTruncated);
}

// The texts and exit code of each unknown tag, kind and version are the
// end-to-end tests'; here, what was read before the damage stays, and a
// list word as the last thing of an older file ends reading quietly.
TEST_F(ErrorFileDamageTest, UnknownTagsKeepWhatWasReadBefore) {
  Bytes unknownTag = currentHeader();
  unknownTag.append(firstDiagnostic(1)).u8(3).append(laterDiagnostic(2));
  const Outcome middle = readDamaged(unknownTag.bytes(), "/out/a.c.err");
  EXPECT_EQ(middle.place, "in '/out/a.c.err', the record at byte 64: unknown error record type in error file");
  EXPECT_EQ(middle.diagnostics, 1u);
  Bytes listWord;
  listWord.i32(0x7900).i32(0).i32(3).i32(1).i32(-1).i32(0).i32(1).i32(0).i32(0).i32(0).i32(1);
  EXPECT_EQ(readDamaged(listWord.bytes()).what, "");
}

TEST_F(ErrorFileDamageTest, ReferencesToEntriesNeverDefined) {
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"location beyond the table", std::move(currentHeader().u8(2).i32(5))},
      {"negative location", std::move(currentHeader().u8(2).i32(-1))},
      {"file beyond the table", std::move(currentHeader().u8(2).i32(0).i32(1))},
      {"identifier beyond the table",
       std::move(currentHeader().u8(2).i32(0).i32(0).str("").str("f").i32(1).i32(0).u8(4).i32(0))},
      {"location inside its own definition", std::move(currentHeader().u8(2).i32(0).i32(0).str("a").str("a").i32(1).i32(0).u8(1).i32(0))},
      {"negative parameter count", std::move(currentHeader().append(firstDiagnostic(1)).u8(2).i32(0).i32(1).i32(0).i32(0).i32(-3))},
      {"negative range count", std::move(currentHeader().append(firstDiagnostic(1)).u8(4).u8(1).i32(0).str("").i32(-1))},
  };
  for (const auto& [what, bytes] : cases) {
    Outcome outcome = readDamaged(bytes.bytes() + laterDiagnostic(1).bytes());
    EXPECT_EQ(outcome.what, kStructure) << what;
    EXPECT_EQ(outcome.stderrText, caughtReport(kStructure)) << what;
  }
  // Identifiers restart with each section: what the first section defined
  // is unknown in the second.
  Bytes stale = currentHeader();
  stale.append(firstDiagnostic(1)).u8(1).i32(0).u8(2).i32(1);
  const Outcome outcome = readDamaged(stale.bytes());
  EXPECT_EQ(outcome.what, kStructure);
  EXPECT_EQ(outcome.place, "in 'damaged.err', the record at byte 69: a count or reference that does not fit the file");
}

TEST_F(ErrorFileDamageTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  constexpr int kMillion = 1000000;
  // A million message lists, each holding the next diagnostic.
  Bytes lists = currentHeader();
  lists.append(firstDiagnostic(1));
  lists.u8(2);
  for (int i = 0; i < kMillion; ++i) lists.i32(0).i32(i).i32(0).i32(0).i32(1).u8(4).i32(1);
  Outcome outcome = readDamaged(lists.bytes());
  EXPECT_EQ(outcome.what, kStructure);
  EXPECT_EQ(outcome.diagnostics, 1u);

  // A million include locations, each defined inside the one before.
  Bytes includes = currentHeader();
  includes.u8(2).i32(0).i32(0).str("/p/a.h").str("a.h").i32(1).i32(0).u8(1);
  for (int i = 1; i < kMillion; ++i) includes.i32(i).i32(0).i32(i).i32(0).u8(1);
  EXPECT_EQ(readDamaged(includes.bytes()).what, kStructure);

  // A million expansions in one macro history.
  Bytes macros = currentHeader();
  macros.u8(2).i32(0).i32(0).str("/p/a.h").str("a.h").i32(1).i32(0).u8(4);
  macros.i32(1).i32(0).i32(2).i32(0).u8(0).i32(0).str("M");
  for (int i = 0; i < kMillion; ++i) macros.u8(1).i32(1).i32(0);
  EXPECT_EQ(readDamaged(macros.bytes()).what, kStructure);
}

TEST_F(ErrorFileDamageTest, LongChainsBuiltByReferenceAreRefusedToo) {
  // Each record defines one more include level on top of the last one by
  // reference, so no single definition nests deeply; the chain grows all
  // the same.
  Bytes chain = currentHeader();
  chain.append(firstDiagnostic(0));
  for (int i = 1; i < 100000; ++i) chain.u8(2).i32(i).i32(0).i32(i).i32(0).u8(1).i32(i - 1).i32(i).i32(0).i32(0).i32(0);
  Outcome outcome = readDamaged(chain.bytes());
  EXPECT_EQ(outcome.what, kStructure);
  EXPECT_GT(outcome.diagnostics, 1000u);
  EXPECT_LT(outcome.diagnostics, 100000u);
}

TEST_F(ErrorFileDamageTest, MissingDirectoryOrDeviceCannotBeOpened) {
  TempDir dir;
  std::filesystem::create_directory(dir.path("dir.err"));
  const std::pair<std::string, std::string> cases[] = {{dir.path("none.err"), "No such file or directory"},
                                                       {dir.path("dir.err"), "Is a directory"},
                                                       {"/dev/zero", "not a regular file"}};
  for (const auto& [name, reason] : cases) {
    M_InputVarnix input(name);
    try {
      input.open();
      ADD_FAILURE() << "opened " << name;
    } catch (const M_BadFileOpenException& failure) {
      EXPECT_EQ(std::string(failure.what()), "Cannot write error file '" + name + "'.\n  in '" + name + "': " + reason);
    }
  }
}

TEST_F(ErrorFileDamageTest, WhatTheLimitsAllowIsWrittenAndReadAgain) {
  TempDir dir;
  auto writeAndRead = [&](int includeDepth, int listDepth) -> std::string {
    const std::string name = dir.path("limits" + std::to_string(includeDepth) + "_" + std::to_string(listDepth) + ".err");
    U_Location chain;
    for (int i = 0; i < includeDepth; ++i) chain = U_Location(file("/p/h.h", "h.h"), i + 1, 0, chain);
    auto innermost = U_make<M_Diagnostic>(1, chain);
    U_Handle<M_Diagnostic> top = innermost;
    for (int i = 0; i < listDepth; ++i) {
      auto outer = U_make<M_Diagnostic>(2, U_Location(file("/p/a.c", "a.c"), 1, 0));
      outer->addMessageList({top});
      top = outer;
    }
    M_OutputVarnix2 output(false);
    output.open(name);
    output.writeDiagnostic(*top, false);
    output.close();
    M_InputVarnix input(name);
    ::testing::internal::CaptureStderr();
    try {
      input.open();
    } catch (const U_Exception& failure) {
      ::testing::internal::GetCapturedStderr();
      return messagestest::designedText(failure.what());
    }
    ::testing::internal::GetCapturedStderr();
    return input.diagnostics().size() == 1 ? "read" : "lost";
  };
  EXPECT_EQ(writeAndRead(M_ErrorFileFormat::kMaxLocationDepth, M_ErrorFileFormat::kMaxMessageListDepth), "read");
  EXPECT_EQ(writeAndRead(M_ErrorFileFormat::kMaxLocationDepth + 1, 0), kStructure);
  EXPECT_EQ(writeAndRead(1, M_ErrorFileFormat::kMaxMessageListDepth + 1), kStructure);
}
