// Allocation mismatch: 1530 with one sub-message per allocation of known
// kind, only when both the kinds and the files differ.
#include "checks/AllocationMismatch.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;

namespace {

class AllocationMismatch : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    // Allocation records name their object through the source's defines.
    PI_configureOnAllDefine(&modeltest::recordAllDefine);
    zum::configureAllocationMismatch();
  }
  // g_p defined in a.cpp and declared in b.cpp, with the allocations given.
  void allocate(const std::string& inA, const std::string& inB) {
    runProject({{"a.cpp", "<DEFINE> g_p a.h 1 I DC -V F X pi -\n"
                          "<DEFINE> g_p a.cpp 3 N DF -V F X pi -\n" + inA},
                {"b.cpp", "<DEFINE> g_p a.h 1 I DC -V F X pi -\n" + inB}});
  }
};

TEST_F(AllocationMismatch, DifferentKindsInDifferentFilesAreListedInTheOrderRead) {
  allocate("<ALLOC> g_p plain a.cpp 10 5\n", "<ALLOC> g_p array b.cpp 7 3\n<ALLOC> g_p old b.cpp 9 3\n");
  EXPECT_EQ(findings(), std::vector<std::string>{"a.cpp:3: Msg=1530 #params=2 {g_p, MsgList={a.cpp:10: Msg=3966 "
                                                 "#params=0 ; b.cpp:7: Msg=3967 #params=0 ; b.cpp:9: Msg=3968 "
                                                 "#params=0}}"});
}

TEST_F(AllocationMismatch, AnUnknownKindDiffersButIsNotListed) {
  allocate("<ALLOC> g_p plain a.cpp 10 5\n", "<ALLOC> g_p malloc b.cpp 7 3\n");
  EXPECT_EQ(findings(), std::vector<std::string>{"a.cpp:3: Msg=1530 #params=2 {g_p, MsgList={a.cpp:10: Msg=3966 "
                                                 "#params=0}}"});
}

TEST_F(AllocationMismatch, OneFileOrOneKindOrOneRecordIsNoMismatch) {
  const std::pair<std::string, std::string> cases[] = {
      {"<ALLOC> g_p plain a.cpp 10 5\n<ALLOC> g_p array a.cpp 11 5\n", ""},
      {"<ALLOC> g_p array a.cpp 10 5\n", "<ALLOC> g_p array b.cpp 7 3\n"},
      {"<ALLOC> g_p array a.cpp 10 5\n", ""},
  };
  for (const auto& [inA, inB] : cases) {
    restart();
    allocate(inA, inB);
    EXPECT_EQ(findings(), std::vector<std::string>{}) << inA << inB;
  }
}

TEST_F(AllocationMismatch, SortedListsFollowTheDiagnosticOrder) {
  setSwitches({"sort-messages"});
  allocate("<ALLOC> g_p plain a.cpp 10 5\n", "<ALLOC> g_p array b.cpp 7 3\n");
  EXPECT_EQ(findings(), std::vector<std::string>{"a.cpp:3: Msg=1530 #params=2 {g_p, MsgList={b.cpp:7: Msg=3967 "
                                                 "#params=0 ; a.cpp:10: Msg=3966 #params=0}}"});
}

}  // namespace
