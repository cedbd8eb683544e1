// Allocation mismatch through a whole run of the C++ product.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

// g_buf: plain in a.cpp, array, old and an unknown kind in b.cpp. g_same:
// array in both files. g_local: two kinds in a.cpp only. An allocation of
// a name the source never declared is dropped.
TEST(AllocationMismatch, KindsAndFilesBothDifferingAreReportedWithEachKnownAllocation) {
  ProjectRun project("allocation");
  auto r = project.runSimple("ZEKPP", {"a.cpp", "b.cpp"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(messagesOf(r.findings, 1530),
            std::vector<std::string>{"a.cpp:5: Msg=1530 #params=2 {g_buf, MsgList={a.cpp:10: Msg=3966 #params=0 ; "
                                     "b.cpp:3: Msg=3967 #params=0 ; b.cpp:4: Msg=3968 #params=0}}"});
  r = project.runSimple("ZEKPP", {"a.cpp", "b.cpp"}, {"-debug", "sort-messages"});
  EXPECT_EQ(messagesOf(r.findings, 1530),
            std::vector<std::string>{"a.cpp:5: Msg=1530 #params=2 {g_buf, MsgList={b.cpp:3: Msg=3967 #params=0 ; "
                                     "b.cpp:4: Msg=3968 #params=0 ; a.cpp:10: Msg=3966 #params=0}}"});
}

}  // namespace
