#include <gtest/gtest.h>

#include "ZumRunner.h"

// The harness itself: what a child prints, returns and dies of arrives whole.
TEST(Harness, CapturesOutputStreamsAndExitCode) {
  zumtest::Scratch scratch;
  zumtest::RunOptions options;
  options.cwd = scratch.dir();
  options.env = zumtest::standardEnv(scratch);
  auto r = zumtest::run("/bin/sh", {"-c", "printf 'a\\nb'; printf err >&2; pwd; exit 3"}, options);
  EXPECT_EQ(r.out, "a\nb" + scratch.dir().string() + "\n");
  EXPECT_EQ(r.err, "err");
  EXPECT_EQ(r.exitCode, 3);
  auto killed = zumtest::run("/bin/sh", {"-c", "kill -SEGV $$"}, options);
  EXPECT_EQ(killed.signal, 11);
}
