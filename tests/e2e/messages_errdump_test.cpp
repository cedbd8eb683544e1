// build/zum-errdump over files of both generations, whole and damaged.
#include <gtest/gtest.h>

#include "../unit/messages_test_support.h"
#include "ZumRunner.h"

using messagestest::Bytes;

namespace {

// Two sections: a diagnostic in a header and a suppression record, then a
// suppressed error in the primary source. Records begin at the offsets in
// the comments.
Bytes twoSections() {
  Bytes b;
  b.i32(0x8200).i32(0).u8(1).i32(0);  // @0 header, @8 section start
  b.u8(2)                             // @13, 91 bytes
      .i32(0).i32(0).str("/p/h.h").str("h.h").i32(7).i32(2).u8(1)
      .i32(1).i32(1).str("/p/a.c").str("a.c").i32(3).i32(0).u8(0)
      .i32(1503).i32(0).i32(0).i32(1).u8(1).str("x");
  b.u8(4).u8(1)                       // @104, 75 bytes
      .i32(1).str("-e1503").i32(2).str("1500").str("1502").str("1510").str("1510")
      .u8(4).i32(1).u8(1).i32(2).i32(1).i32(9).i32(0).u8(0);
  b.u8(1).i32(0);                     // @179
  b.u8(2)                             // @184, 51 bytes
      .i32(0).i32(0).str("/p/a.c").str("a.c").i32(4).i32(0).u8(0).i32(1504).i32(1).i32(1).i32(0);
  return b;
}

}  // namespace

TEST(ErrDump, PrintsEveryRecordWithItsOffset) {
  zumtest::Scratch scratch;
  scratch.write("p.err", twoSections().bytes());
  Bytes older;
  older.i32(0x7900).i32(0);
  older.i32(3).i32(5).i32(-1).i32(0).i32(8).i32(0).i32(0).i32(0).i32(0);  // @8
  older.i32(1).i32(7).raw(std::string("/p/h.h\0", 7));                   // @44
  older.i32(3).i32(3).i32(7).i32(1).i32(9).i32(3).i32(0).i32(1).i32(2).raw(std::string("p\0", 2)).i32(0);
  scratch.write("src/a.c.err", older.bytes());

  const auto r = zumtest::runTool(scratch, "zum-errdump", {"p.err", "src/a.c.err"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "file p.err: version 8200 (current generation), second header word 0, 235 bytes\n"
            "@8 section start\n"
            "@13 diagnostic: h.h:7:2: Msg=1503 #params=1 {x} incl{a.c:3}\n"
            "@104 suppression record: kind=1 at a.c:3 text=\"-e1503\" ranges={1500-1502,1510} region={a.c:3}-{a.c:9}\n"
            "@179 section start\n"
            "@184 error: a.c:4: Msg=1504 #params=0 hidden by pragma\n"
            "@235 end\n"
            "file src/a.c.err: version 7900 (older generation), second header word 0, 101 bytes\n"
            "@8 diagnostic: src/a.c:5:1: Msg=8 #params=0\n"
            "@44 current file: /p/h.h\n"
            "@59 diagnostic: /p/h.h:7:2: Msg=9 #params=1 {p} hidden by pragma, user incl{src/a.c:3}\n"
            "@101 end\n");
}

TEST(ErrDump, StopsAtTheDamageAndSaysWhereItIs) {
  zumtest::Scratch scratch;
  std::string cut = twoSections().bytes();
  cut.resize(170);
  scratch.write("cut.err", cut);
  std::string badTag = twoSections().bytes();
  badTag[104] = 7;
  scratch.write("tag.err", badTag);
  scratch.write("version.err", Bytes().i32(0x8000).i32(0).bytes());

  const auto r = zumtest::runTool(scratch, "zum-errdump", {"cut.err", "missing.err", "tag.err", "version.err"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            "file cut.err: version 8200 (current generation), second header word 0, 170 bytes\n"
            "@8 section start\n"
            "@13 diagnostic: h.h:7:2: Msg=1503 #params=1 {x} incl{a.c:3}\n"
            "damaged: Problems reading binary file. errno (0): Success (record at byte 104, reading stopped at byte 170)\n"
            "file missing.err: cannot be read: No such file or directory\n"
            "file tag.err: version 8200 (current generation), second header word 0, 235 bytes\n"
            "@8 section start\n"
            "@13 diagnostic: h.h:7:2: Msg=1503 #params=1 {x} incl{a.c:3}\n"
            "damaged: unknown error record type in error file (record at byte 104, reading stopped at byte 105)\n"
            "file version.err: 8 bytes\n"
            "damaged: Error file has incorrect version: 8000. Expected: 8200 (record at byte 0, reading stopped at byte 0)\n");
  EXPECT_EQ(r.err, "Unknown error file format: id=8000\n");
}

TEST(ErrDump, WithoutFilesItShowsUsage) {
  zumtest::Scratch scratch;
  const auto r = zumtest::runTool(scratch, "zum-errdump", {});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("usage: zum-errdump FILE..."), std::string::npos);
}
