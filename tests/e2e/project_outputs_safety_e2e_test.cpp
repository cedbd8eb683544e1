// The project files are never lost: a full disk leaves them as they were
// and ends the run with a message naming the file; a second run of the
// project waits for the first; a metric line cut off by a killed run stays
// a line of its own; files that are not regular files are not readable
// (message 1540), never a block or an endless read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ZumRunner.h"

namespace {

namespace fs = std::filesystem;

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Every line ends with "\r\n": no line was cut off or glued to another.
bool allLinesWhole(const std::string& metrics) {
  return !metrics.empty() && metrics.ends_with("\r\n") && countOf(metrics, "\n") == countOf(metrics, "\r\n");
}

class ProjectOutputs : public zumtest::ZumTest {
 protected:
  // The bundled example in `directory`, run as scripts/example.sh runs it.
  zumtest::RunResult runExample(const std::string& directory) {
    return runIn(directory, ZUM_BINARY, {"ZEK", "-cmaf", "inventory", "-list", "inventory.lst"});
  }

  int sectionsOf(const std::string& errorFile) { return countOf(dump(errorFile), "section start\n"); }
};

// A tmpfs of its own, so the disk can be filled; unmounted with the object.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& where) : where_(where) {
    fs::create_directories(where_);
    mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=256k") == 0;
    if (!mounted_) reason_ = std::strerror(errno);
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const std::string& reason() const { return reason_; }

  // Writes a file until the disk is full.
  void fill() const {
    std::ofstream filler(where_ / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }
  void makeRoom() const { fs::remove(where_ / "filler"); }

 private:
  fs::path where_;
  bool mounted_ = false;
  std::string reason_;
};

TEST_F(ProjectOutputs, AFullDiskLeavesTheProjectFilesAsTheyWereAndTheNextRunSucceeds) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root; the full disk is not tried";
  const fs::path disk = scratch_.path("disk");
  SmallDisk small(disk);
  if (!small.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (" << small.reason() << ")";
  copyExample("inventory", "disk");
  ASSERT_EQ(runExample("disk").exitCode, 0);

  // The metrics still fit, the error records do not: a failed run leaves
  // neither file changed.
  const std::string errorsBefore = scratch_.read("disk/inventory.err");
  const std::string metricsBefore = scratch_.read("disk/inventory.met");
  small.fill();
  zumtest::RunResult r = runExample("disk");
  EXPECT_EQ(r.exitCode, 18);
  EXPECT_EQ(r.err,
            "Problems writing binary file.\n"
            "  in 'inventory.err': No space left on device; the file is left as it was before the run; "
            "'inventory.met' is left as it was before the run too\n");
  EXPECT_EQ(scratch_.read("disk/inventory.err"), errorsBefore);
  EXPECT_EQ(scratch_.read("disk/inventory.met"), metricsBefore);

  small.makeRoom();
  r = runExample("disk");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(sectionsOf("disk/inventory.err"), 2);

  // When the metric file has no room (its next line needs a page of its
  // own), it fails first; both files are cut back and named.
  std::string metrics = scratch_.read("disk/inventory.met");
  metrics += std::string(4096 - metrics.size() % 4096 - 2, '*') + "\r\n";
  scratch_.write("disk/inventory.met", metrics);
  const std::string errors = scratch_.read("disk/inventory.err");
  small.fill();
  r = runExample("disk");
  EXPECT_EQ(r.exitCode, 18);
  EXPECT_EQ(r.err,
            "Cannot write metric file for 'inventory' in output directory '.'.\n"
            "  in 'inventory.met': No space left on device; the file is left as it was before the run; "
            "'inventory.err' is left as it was before the run too\n");
  EXPECT_EQ(scratch_.read("disk/inventory.met"), metrics);
  EXPECT_EQ(scratch_.read("disk/inventory.err"), errors);
  small.makeRoom();
  EXPECT_EQ(runExample("disk").exitCode, 0);
}

TEST_F(ProjectOutputs, ASecondRunWaitsUntilTheFirstHasClosedTheProjectFiles) {
  copyExample("inventory", "run");
  ASSERT_EQ(runExample("run").exitCode, 0);
  const std::string before = scratch_.read("run/inventory.err");

  // This process plays the first run: it holds the lock.
  // Not handed down to the run started next: the lock goes with the last
  // descriptor of the open file.
  const int held = ::open(scratch_.path("run/inventory.err").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  zumtest::RunResult second;
  std::thread waiting([&] { second = runExample("run"); });
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(scratch_.read("run/inventory.err"), before);
  ::close(held);
  waiting.join();
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_EQ(second.err, "Waiting for another run to finish with 'inventory.err'.\n");

  // Runs started together each append one whole section and one whole set
  // of metrics.
  for (int round = 0; round < 3; ++round) {
    zumtest::RunResult a, b;
    std::thread first([&] { a = runExample("run"); });
    std::thread other([&] { b = runExample("run"); });
    first.join();
    other.join();
    EXPECT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(b.exitCode, 0) << b.err;
  }
  EXPECT_EQ(sectionsOf("run/inventory.err"), 8);
  const std::string metrics = scratch_.read("run/inventory.met");
  EXPECT_TRUE(allLinesWhole(metrics));
  EXPECT_EQ(countOf(metrics, "<S>STNRA "), 8);
}

TEST_F(ProjectOutputs, AMetricLineCutOffByAKilledRunIsDroppedAndEveryLineReadsBack) {
  scratch_.copyFixture("driver");
  const std::vector<std::string> args = {"ZEK", "-cmaf", "out/p", "-op", "out", "a.c"};
  ASSERT_EQ(run(args).exitCode, 0);
  const std::string whole = scratch_.read("out/p.met");
  // Cut at every place of its last lines: a record cut after its name
  // would stop every later run's reading with an assertion.
  for (std::size_t cut = whole.size() - 30; cut < whole.size(); ++cut) {
    const std::string cutOff = whole.substr(0, cut);
    scratch_.write("out/p.met", cutOff);
    const zumtest::RunResult r = run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string metrics = scratch_.read("out/p.met");
    const std::size_t kept = cutOff.rfind('\n') + 1;
    EXPECT_EQ(metrics.substr(0, kept), cutOff.substr(0, kept));
    EXPECT_EQ(metrics.substr(kept), whole) << "cut at " << cut;
    EXPECT_EQ(r.err, kept == cut ? ""
                                 : "The last line of 'out/p.met' was cut off (a run stopped while writing it); its " +
                                       std::to_string(cut - kept) + " bytes are dropped.\n");
  }
}

TEST_F(ProjectOutputs, WhatIsNotARegularFileOrFailsWhileReadIsNotReadable) {
  scratch_.copyFixture("driver");
  fs::create_directories(scratch_.path("out/b.c.met"));
  ASSERT_EQ(::mkfifo(scratch_.path("out/d.c.met").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", scratch_.path("out/e.c.met"));
  // A regular file whose first read fails (EIO).
  fs::create_symlink("/proc/self/mem", scratch_.path("out/g.c.met"));
  scratch_.write("out/f.c.met", "<S>\n");
  ASSERT_EQ(::mkfifo(scratch_.path("out/f.c.err").c_str(), 0600), 0);
  scratch_.write("out/h.c.met", "<S>\n");
  fs::create_directories(scratch_.path("out/h.c.err"));
  scratch_.write("out/a.c.err", std::string("\x00\x82\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00", 13));
  const zumtest::RunResult r = zumtest::runZum(
      scratch_,
      {"ZEK", "-cmaf", "out/p", "-op", "out", "-debug", "simpleoutput", "-debug", "always_read_errors", "a.c", "b.c",
       "d.c", "e.c", "f.c", "g.c", "h.c"},
      env_);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.substr(0, r.out.find("<S>")),
            "out/p:1: Msg=1540 #params=1 {out/b.c.met}\n"
            "out/p:1: Msg=1540 #params=1 {out/d.c.met}\n"
            "out/p:1: Msg=1540 #params=1 {out/e.c.met}\n"
            "out/p:1: Msg=1540 #params=1 {out/f.c.err}\n"
            "out/p:1: Msg=1540 #params=1 {out/g.c.met}\n"
            "out/p:1: Msg=1540 #params=1 {out/h.c.err}\n");

  // A project metric file that cannot be opened stops the run before the
  // error file it made is kept.
  fs::create_directories(scratch_.path("out/q.met"));
  const zumtest::RunResult q = run({"ZEK", "-cmaf", "out/q", "-op", "out", "a.c"});
  EXPECT_EQ(q.exitCode, 18);
  EXPECT_EQ(q.err, "Cannot write metric file for 'out/q' in output directory 'out'.\n  in 'out/q.met': Is a directory\n");
  EXPECT_FALSE(fs::exists(scratch_.path("out/q.err")));
}

TEST_F(ProjectOutputs, ALogOrASingleSourceThatWouldLoseResultsIsToldOf) {
  scratch_.copyFixture("driver");
  // The log would empty the project error file it names.
  zumtest::RunResult r = run({"ZEK", "-cmaf", "out/p", "-op", "out", "a.c"});
  const std::string errors = scratch_.read("out/p.err");
  r = zumtest::runZum(scratch_,
                      {"ZEK", "-cmaf", "out/p", "-op", "out", "-debug", "log", "-debug", "log-file=out/p.err", "a.c"},
                      env_);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "The log file 'out/p.err' is a metric or error file of the run; nothing is logged.\n");
  EXPECT_TRUE(scratch_.read("out/p.err").starts_with(errors));
  EXPECT_EQ(sectionsOf("out/p.err"), 2);

  // A single-file run whose source has no metric file has nothing to read.
  r = run({"ZEK", "-op", "out", "b.c"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "The metric file 'out/b.c.met' of the source 'b.c' is missing: the run has nothing to read.\n");
}

}  // namespace
