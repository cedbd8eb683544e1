// The class metrics of the C++ product through a whole run, on a project
// whose values are worked out by hand below, and the member encapsulation
// check STMEV (1760) with its module option.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

const std::vector<std::string> kOptions{"-expandfilenames-", "-debug", "os-independent-slash"};

std::string header(const std::string& file, const std::string& name) {
  return "<S>\r\n<S>STFIL " + file + "\r\n<S>STNAM " + name + "\r\n";
}

std::string classMetrics(const std::string& name, int noc, int wmc, int rfc, int cbo, int lcm) {
  return header("shapes.h", name) + "<S>STNOC " + std::to_string(noc) + "\r\n<S>STWMC " + std::to_string(wmc) +
         "\r\n<S>STRFC " + std::to_string(rfc) + "\r\n<S>STCBO " + std::to_string(cbo) + "\r\n<S>STLCM " +
         std::to_string(lcm) + "\r\n";
}

// tests/fixtures/classes: shapes.h (included by shapes.cpp and main.cpp)
// declares Shape <- Circle <- Ring and Shape <- Square, Split, Loose and
// the struct Empty; shapes.cpp defines the methods.
//
// STNOC  Shape: Circle and Square, each listed by both sources. Circle: Ring.
// STWMC  the STCYC of the defined methods: Circle 1 + 2, Square 1 + 3,
//        Ring 2, Split 1 + 1 + 1, Loose 1 + 2; Shape::area() is only
//        declared (pure virtual).
// STRFC  Circle: area, scale and helper (called twice; scale's call of
//        itself adds nothing). Square: area, describe and what describe
//        calls, Circle::area and Shape::id. Ring: draw and Square::area.
//        Split: a, b, c (c's call of b is one of them). Loose: a, b, helper.
// STCBO  Circle::scale refers to its parameter, whose scope is the
//        function, not the class: 1. Square::describe refers to
//        Circle::area and Circle::m_r; its use of Shape::id does not count
//        (Shape is its base). Ring::draw refers to
//        Square::area; Shape::id and Circle::m_r are members of its bases
//        (Shape through Circle). Loose::a's helper has no class: nothing.
// STLCM  Split: a and b share x, c uses y and the method b (a member too,
//        but no member of b's group): 2. Loose's methods use no member of
//        their class and Empty has none: 0.
const std::string kProjectMetrics = classMetrics("Shape", 2, 1, 1, 0, 1) + classMetrics("Circle", 1, 3, 3, 1, 1) +
                                    classMetrics("Square", 0, 4, 4, 2, 1) + classMetrics("Ring", 0, 2, 2, 1, 1) +
                                    classMetrics("Split", 0, 3, 3, 0, 2) + classMetrics("Loose", 0, 3, 3, 0, 0) +
                                    header("shapes.h", "Empty") +
                                    "<S>STNOC 0\r\n<S>STWMC 0\r\n<S>STRFC 0\r\n<S>STCBO 0\r\n<S>STLCM 0\r\n";

// The next run reads the project metric file back and appends the same values.
TEST(ClassMetrics, EachClassInSymbolOrderWithTheValuesWorkedOutByHandRunAfterRun) {
  ProjectRun project("classes");
  for (const std::string& expected : {kProjectMetrics, kProjectMetrics + kProjectMetrics}) {
    const auto r = project.run("ZEKPP", {"shapes.cpp", "main.cpp"}, kOptions);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(project.scratch().read("out/proj.met"), expected);
  }
}

// Account (account.cpp only) has four private data members, a static one
// and a public one; its getter reads m_balance, its setter writes m_owner,
// and a private method reads m_id: u = 2 of n = 4, so the ratio is
// 2/4 x (1 - 1/2) = 0.25. Ledger: 3 of 9 members reached, 1/3 x (1 - 1/3).
class MemberEncapsulation : public ::testing::Test {
 protected:
  MemberEncapsulation() : project_("") {
    std::string account =
        "<DEFINE> Account account.h 1 I DC TG F X {cAccount} -\n"
        "<DEFINE> Account account.h 1 I DF TG F X {cAccount} -\n"
        "<DEFINE> Account::m_balance account.h 2 I DC MB C N nd 3\n"
        "<DEFINE> Account::m_owner account.h 3 I DC MB C N *nc 2\n"
        "<DEFINE> Account::m_id account.h 4 I DC MB C N ni 7\n"
        "<DEFINE> Account::m_rate account.h 5 I DC MB C N nd 3\n"
        "<DEFINE> Account::s_count account.h 6 I DC MB C X ni S3\n"
        "<DEFINE> Account::m_note account.h 7 I DC MB C N *nc 1\n"
        "<DEFINE> Account::balance() account.h 8 I DC OF C X ()nd G1\n"
        "<DEFINE> Account::setOwner(char*) account.h 9 I DC OF C X (*nc)vd T1\n"
        "<DEFINE> Account::audit() account.h 10 I DC OF C X ()vd G3\n"
        "<DEFINE> Account::balance() account.cpp 3 N DF OF C X ()nd G1\n"
        "<R>X Account::balance() Account::m_balance 3 R\n"
        "<DEFINE> Account::setOwner(char*) account.cpp 4 N DF OF C X (*nc)vd T1\n"
        "<R>X Account::setOwner(char*) Account::m_owner 4 W\n"
        "<DEFINE> Account::audit() account.cpp 5 N DF OF C X ()vd G3\n"
        "<R>X Account::audit() Account::m_id 5 R\n"
        "<R>X Account::audit() Account::m_rate 5 R\n";
    std::string ledger =
        "<DEFINE> Ledger ledger.cpp 1 N DC TG F X {cLedger} -\n<DEFINE> Ledger ledger.cpp 1 N DF TG F X {cLedger} -\n";
    for (int i = 1; i <= 9; ++i)
      ledger +=
          "<DEFINE> Ledger::m_" + std::to_string(i) + " ledger.cpp " + std::to_string(1 + i) + " N DC MB C N ni 3\n";
    ledger +=
        "<DEFINE> Ledger::sum() ledger.cpp 20 N DC OF C X ()ni G1\n"
        "<DEFINE> Ledger::sum() ledger.cpp 20 N DF OF C X ()ni G1\n"
        "<R>X Ledger::sum() Ledger::m_1 21 R\n<R>X Ledger::sum() Ledger::m_2 21 R\n"
        "<R>X Ledger::sum() Ledger::m_3 22 R\n<R>X Ledger::sum() Ledger::m_3 23 R\n";
    project_.writeMetricFile("account.cpp", account);
    project_.writeMetricFile("ledger.cpp", ledger);
  }

  std::vector<std::string> run(const std::vector<std::string>& options) {
    return messagesOf(project_.runSimple("ZEKPP", {"account.cpp", "ledger.cpp"}, options).findings, 1760);
  }

  ProjectRun project_;
};

TEST_F(MemberEncapsulation, ARatioAboveTheThresholdIsReportedWithBothAsTheStreamWritesThem) {
  EXPECT_EQ(run({"-prodoption", "class::member_encapsulation_ratio=0.2"}),
            (std::vector<std::string>{"account.h:1: Msg=1760 #params=2 {0.25, 0.2}",
                                      "ledger.cpp:1: Msg=1760 #params=2 {0.222222, 0.2}"}));
  // Not when equal; the last value given counts.
  EXPECT_EQ(run({"-prodoption", "class::member_encapsulation_ratio=0.1", "-prodoption",
                 "class::member_encapsulation_ratio=0.25"}),
            std::vector<std::string>{});
  EXPECT_EQ(run({"-prodoption", "class::member_encapsulation_ratio=0"}).size(), 2u);
}

TEST_F(MemberEncapsulation, NeverWithoutTheOptionNorUnderAnotherGroup) {
  EXPECT_EQ(run({}), std::vector<std::string>{});
  EXPECT_EQ(run({"-prodoption", "klass::member_encapsulation_ratio=0.1"}), std::vector<std::string>{});
}

}  // namespace
