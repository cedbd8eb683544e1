// Duplicate file names through a whole run: two sources of one base name
// (1515), two headers whose base names differ in letter case only (1516),
// a header that forwards to one of its own base name (1517), and a header
// that many include, which is no duplicate.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProjectRun.h"

using moduletest::ProjectRun;

namespace {

std::string list(std::initializer_list<std::string> entries) { return moduletest::messageList(entries); }
std::string file(const std::string& name) { return ":1: Msg=1578 #params=1 {" + name + "}"; }

TEST(DuplicateFilenames, SourcesAndHeadersOfOneBaseNameAndForwardHeaders) {
  ProjectRun project("filenames");
  // Both util.c read the output directory's util.c.met and util.c.err.
  std::filesystem::create_directories(project.scratch().path("out/a"));
  std::filesystem::create_directories(project.scratch().path("out/b"));
  project.writeErrorFile("util.c", {});
  const auto r = project.runSimple("ZEK", {"a/util.c", "b/util.c", "main.c"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  // The end callback reports before the checks of all defines; groups in
  // the order of their keys. After its forward header is reported, the
  // group conf.h holds one file and raises nothing more.
  EXPECT_EQ(r.findings, (std::vector<std::string>{
                            ":1: Msg=1517 #params=2 {conf.h, " + list({file("fwd/conf.h"), file("real/conf.h")}) + "}",
                            ":1: Msg=1516 #params=2 {str.h, " + list({file("inc1/Str.h"), file("inc2/str.h")}) + "}",
                            ":1: Msg=1515 #params=2 {util.c, " + list({file("a/util.c"), file("b/util.c")}) + "}",
                        }));
}

}  // namespace
