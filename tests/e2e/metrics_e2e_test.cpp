// The project function metrics through a whole run: the values, the
// diagnostics of the error files they count, and the bytes of the project
// metric file.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::ErrorDiagnostic;
using moduletest::ProjectRun;

namespace {

// a.c: f (STCYC 4, declared in two headers), main (2), static s_unused (1);
// b.c: g (1), h (3), u (not a number). g and u are unused external
// definitions; g and h call each other. c.c declares only.
class ProjectMetrics : public ::testing::Test {
 protected:
  ProjectMetrics() : project_("metrics") {
    // 3219 for the uncalled static, once in a.c and once in a header that
    // both a.c and b.c include (delivered twice, counted twice), and once
    // under a suppression annotation; 3670 for a recursive call in each
    // of a.c and b.c, and a message of no interest.
    project_.writeErrorFile("a.c", {{3219, "a.c", 20, {"s_unused"}},
                                    {3219, "x.h", 5, {"x_helper"}, "a.c", 1},
                                    {3670, "a.c", 5, {"f"}},
                                    {2017, "a.c", 11, {}}});
    project_.writeErrorFile("b.c", {{3219, "x.h", 5, {"x_helper"}, "b.c", 1},
                                    {3219, "b.c", 11, {"b_hidden"}},
                                    {3670, "b.c", 9, {"h"}}},
                            {{"b.c", 10, 12, "3219", "3219"}});
  }

  static std::string header(const std::string& file, const std::string& name) {
    return "<S>\r\n<S>STFIL " + file + "\r\n<S>STNAM " + name + "\r\n";
  }

  ProjectRun project_;
};

TEST_F(ProjectMetrics, TheProjectMetricsThenEachFunctionsCallersAndEachRunAppendsThem) {
  const std::vector<std::string> options{"-expandfilenames-", "-debug", "os-independent-slash"};
  const auto r = project_.run("ZEK", {"a.c", "b.c", "c.c"}, options);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  // STCYA 4+2+1+1+3+0; STNFA 3+5 (c.c defines no function); STNEA 2 unused
  // + 3 diagnostics + main; STNRA 1 cycle + 2 diagnostics. STM29 counts
  // distinct callers: h is called by f twice and g once, and by itself.
  const std::string first = project_.scratch().read("out/proj.met");
  EXPECT_EQ(first,
            header("", "") + "<S>STCYA 11\r\n<S>STNFA 8\r\n<S>STNEA 6\r\n<S>STNRA 3\r\n" + header("a.c", "f") +
                "<S>STM29 1\r\n" + header("b.c", "h") + "<S>STM29 2\r\n" + header("a.c", "main") +
                "<S>STM29 0\r\n" + header("a.c", "s_unused") + "<S>STM29 0\r\n" + header("b.c", "g") +
                "<S>STM29 1\r\n" + header("b.c", "u") + "<S>STM29 0\r\n");
  // The next run reads them back and appends its own.
  EXPECT_EQ(project_.run("ZEK", {"a.c", "b.c", "c.c"}, options).exitCode, 0);
  EXPECT_EQ(project_.scratch().read("out/proj.met"), first + first);
}

}  // namespace
