// A damaged error file of a source (and a damaged metric record), reached
// through a whole run: the reader's exception ends the run with its text
// and exit code 18 (only a file that cannot be opened is message 1540, as
// project_outputs_safety_e2e_test shows), and the project error file keeps
// every byte it had and stays readable.
#include <gtest/gtest.h>


#include "../unit/messages_test_support.h"
#include "ZumRunner.h"

using messagestest::Bytes;

namespace {

const std::string kEmptyCurrent = Bytes().i32(0x8200).i32(0).u8(1).i32(0).bytes();

// A current-generation diagnostic record: 1234 at a.c:3:5 with the string
// parameter "x", in a section where nothing is defined yet.
Bytes currentDiagnostic() {
  return Bytes().u8(2).i32(0).i32(0).str("/w/a.c").str("a.c").i32(3).i32(5).u8(0).i32(1234).i32(0).i32(0).i32(1).u8(
      1).str("x");
}

// An older-generation diagnostic record in the primary source: 1234 at
// line 3, column 5, with the string parameter "x".
Bytes olderDiagnostic() {
  return Bytes().i32(3).i32(3).i32(-1).i32(4).i32(1234).i32(0).i32(0).i32(1).ostr("x").i32(0);
}

class DamagedSourceErrorFile : public zumtest::ZumTest {
 protected:
  DamagedSourceErrorFile() {
    scratch_.write("out/a.c.met", "<S>\n");
    scratch_.write("out/b.c.met", "<S>\n");
    scratch_.write("out/b.c.err", kEmptyCurrent);
  }

  // b.c has no metric file's worth of trouble; a.c's error file is `bytes`.
  // b.c comes first, so the project error file has a record before the
  // damage is met.
  zumtest::RunResult run(const std::string& bytes, std::vector<std::string> extra = {}) {
    scratch_.write("out/a.c.err", bytes);
    std::vector<std::string> args = {"ZEK", "-cmaf", "out/p", "-op", "out", "-debug", "always_read_errors",
                                     "-debug", "pcom_test", "-debug", "PT_ERR", "c.c", "b.c", "a.c"};
    args.insert(args.end(), extra.begin(), extra.end());
    return zumtest::runZum(scratch_, args, env_);
  }
};

// The designed lines, then the line that says where the damage lies.
std::string readFailure(const std::string& place, int fileSize) {
  return "caught a R_ReadingException in getNextMessage().\n"
         "  reason: Problems reading binary file. errno (0): Success\n"
         "Problems reading binary file. errno (0): Success\n"
         "  in 'out/a.c.err': " + place + " runs past the end of the file (" + std::to_string(fileSize) + " bytes)\n";
}

std::string cannotUse(const std::string& place) {
  return "Cannot write error file 'out/a.c.err'.\n  in 'out/a.c.err', the record at byte " + place + "\n";
}

TEST_F(DamagedSourceErrorFile, EachDamageEndsTheRunWithItsOwnText) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string err;
  };
  const Case cases[] = {
      {"unknown tag inside the file",
       Bytes().raw(kEmptyCurrent).append(currentDiagnostic()).u8(9).append(currentDiagnostic()).bytes(),
       cannotUse("70: unknown error record type in error file")},
      {"unknown parameter kind",
       Bytes().raw(kEmptyCurrent).u8(2).i32(0).i32(0).str("/w/a.c").str("a.c").i32(3).i32(5).u8(0).i32(1).i32(0)
           .i32(0).i32(1).u8(3).i32(0).bytes(),
       cannotUse("13: unknown error record type in error file")},
      {"unknown older record type",
       Bytes().i32(0x7900).i32(0).append(olderDiagnostic()).i32(7).append(olderDiagnostic()).bytes(),
       cannotUse("50: unknown error record type in error file")},
      {"older closing word not 0",
       Bytes().i32(0x7900).i32(0).i32(3).i32(3).i32(-1).i32(4).i32(1234).i32(0).i32(0).i32(0).i32(1)
           .append(olderDiagnostic()).bytes(),
       cannotUse("8: error file has string list parameter")},
      {"unknown version", Bytes().i32(0x1234).i32(0).bytes(),
       "Unknown error file format: id=1234\nError file has incorrect version: 1234. Expected: 8200\n"
       "  in 'out/a.c.err'\n\n"},
      {"cut inside a record", kEmptyCurrent + currentDiagnostic().bytes().substr(0, 20),
       readFailure("the record at byte 13", 33)},
      {"cut inside the header", Bytes().i32(0x8200).u8(0).bytes(), readFailure("its header", 5)},
      {"empty file", "", readFailure("its header", 0)},
  };
  for (const Case& c : cases) {
    scratch_.write("out/p.err", kEmptyCurrent);
    const auto r = run(c.bytes);
    EXPECT_EQ(r.exitCode, 18) << c.what;
    EXPECT_EQ(r.err, c.err) << c.what;
    // b.c's findings came before; nothing of a.c reached a module.
    EXPECT_EQ(r.out, "") << c.what;
    // The run's section holds the message for c.c, read before the damage.
    EXPECT_EQ(dump("out/p.err"),
              "file out/p.err: version 8200 (current generation), second header word 0\n"
              "section start\n"
              "section start\n"
              "diagnostic: out/p:1: Msg=1540 #params=1 {out/c.c.met}\n"
              "end\n")
        << c.what;
  }
}

TEST_F(DamagedSourceErrorFile, DamageAtTheVeryEndEndsReadingQuietly) {
  // An unknown tag or type as the last thing in the file: what was read
  // before is delivered and the run goes on.
  for (const std::string& bytes :
       {Bytes().raw(kEmptyCurrent).append(currentDiagnostic()).u8(9).bytes(),
        Bytes().i32(0x7900).i32(0).append(olderDiagnostic()).i32(7).bytes()}) {
    const auto r = run(bytes, {"-debug", "simpleoutput"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, r.out.find("<S>")),
              "out/p:1: Msg=1540 #params=1 {out/c.c.met}\n"
              "PT_ERR: 1234 in 'a.c'\n");
  }
}

// A metric record that fails a consistency check: the designed assertion,
// then the file and line of the record.
TEST_F(DamagedSourceErrorFile, ADamagedMetricRecordIsToldWithItsFileAndLine) {
  scratch_.write("out/a.c.met", "<S>\n<DEFINE> g a.c 5 N DFX OF F X ()ni -\n");
  const auto r = run(kEmptyCurrent);
  EXPECT_EQ(r.exitCode, 19);
  EXPECT_TRUE(r.err.starts_with("Assertion at DefineRecord:46: Assertion 'def.size () == 2' failed.\n"
                                "  in 'out/a.c.met' at line 2\n"))
      << r.err;
}

}  // namespace
