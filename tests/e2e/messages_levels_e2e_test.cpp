// Message levels through a whole run: "suppresslvl" holds back the
// diagnostics of the error files by the level that the installation's
// message file gives them, and a user message file can change that level.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProjectRun.h"

using moduletest::ProjectRun;

namespace {

class MessageLevels : public ::testing::Test {
 protected:
  MessageLevels() : project_("metrics") {
    // 3219 and 3670 are counted into STNEA and STNRA unless held back;
    // the installation's file gives both the level info (1).
    project_.writeErrorFile("a.c", {{3219, "a.c", 20, {"s_unused"}}, {3670, "a.c", 5, {"f"}}});
    project_.writeErrorFile("b.c", {{3670, "b.c", 9, {"h"}}});
  }

  // The STNEA and STNRA lines of the project metric file.
  std::string counts(const std::vector<std::string>& extra) {
    const auto r = project_.run("ZEK", {"a.c", "b.c", "c.c"}, extra);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    err_ = r.err;
    const std::string metrics = project_.scratch().read("out/proj.met");
    std::filesystem::remove(project_.scratch().path("out/proj.met"));
    std::filesystem::remove(project_.scratch().path("out/proj.err"));
    const std::size_t at = metrics.find("<S>STNEA");
    return metrics.substr(at, metrics.find("<S>", metrics.find("<S>STNRA") + 1) - at);
  }

  ProjectRun project_;
  std::string err_;
};

}  // namespace

TEST_F(MessageLevels, SuppressLevelFollowsTheMessageTable) {
  EXPECT_EQ(counts({}), "<S>STNEA 4\r\n<S>STNRA 3\r\n");
  EXPECT_EQ(counts({"-su", "1"}), "<S>STNEA 3\r\n<S>STNRA 1\r\n");
  EXPECT_EQ(err_, "");
  EXPECT_EQ(counts({"-su", "2-99"}), "<S>STNEA 4\r\n<S>STNRA 3\r\n");

  // Without "standard" a user's entry wins when its level is lower.
  project_.scratch().write("bin/user.msg", "3219 note Entry point\n3670 error Recursion\n");
  EXPECT_EQ(counts({"-su", "1", "-usrfile", "user.msg"}), "<S>STNEA 4\r\n<S>STNRA 1\r\n");
  EXPECT_EQ(counts({"-su", "0", "-usrfile", "user.msg"}), "<S>STNEA 3\r\n<S>STNRA 3\r\n");
  // With it, when its level is higher.
  EXPECT_EQ(counts({"-su", "5", "-usrfile", "user.msg", "-standard"}), "<S>STNEA 4\r\n<S>STNRA 1\r\n");

  // A missing user file is reported, and the run goes on.
  EXPECT_EQ(counts({"-su", "1", "-usrfile", "none.msg", "-up", project_.scratch().path("x").string()}),
            "<S>STNEA 3\r\n<S>STNRA 1\r\n");
  EXPECT_EQ(err_, "Warning - Can't open user defined message file " + project_.scratch().path("x").string() +
                      "/none.msg\n");
}
