// zum-scan over the C++ fixture project (tests/fixtures/scan/cxxproject):
// the records of each C++ construct, checked by hand, and what zum's C++
// product finds in them.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScanRun.h"

namespace {

using scantest::replaced;

class ScanCxx : public ::testing::Test {
 protected:
  void SetUp() override {
    result_ = scantest::runScan(scratch_, {"-p", scantest::cxxFixtureDatabaseDir(), "-o", "out", "-q"});
    ASSERT_EQ(result_.exitCode, 0) << result_.err;
  }

  std::vector<std::string> records(const std::string& unit) const {
    return scantest::lines(replaced(scratch_.read("out/" + unit + ".met"), scantest::cxxFixtureRoot(), "$ROOT"));
  }
  void expectRecords(const std::string& unit, const std::vector<std::string>& expected) const {
    const std::vector<std::string> actual = records(unit);
    for (const std::string& line : expected)
      EXPECT_NE(std::find(actual.begin(), actual.end(), line), actual.end()) << unit << " lacks: " << line;
  }

  zumtest::Scratch scratch_;
  zumtest::RunResult result_;
};

// Classes with their namespace, kind letter, linkage and POD/aggregate
// flags; members with their access (explicit 1-3, by default 5 or 7),
// static, virtual, pure, inline flags and the get (G) and set (T)
// accessors; constructors, destructors, operators and overloads named by
// their parameter types; members the compiler declared; enum class values.
TEST_F(ScanCxx, DefinesOfClassesAndTheirMembers) {
  const std::string h = "$ROOT/include/bank.h";
  expectRecords("bank.cpp", {
      "<DEFINE> bank::Money " + h + " 5 I DC TG S X {cbank::Money} -",
      "<DEFINE> bank::Money::@constructor(nl) " + h + " 7 I DC OF C X (nl)vd I1",
      "<DEFINE> bank::Money::cents() " + h + " 8 I DC OF C X ()nl IG1",
      "<DEFINE> bank::Money::set(nl) " + h + " 9 I DC OF C X (nl)vd IT1",
      "<DEFINE> bank::Money::+@(&C{cbank::Money}) " + h + " 10 I DC OF C X (&C{cbank::Money}){cbank::Money} 1",
      "<DEFINE> bank::Money::m_cents " + h + " 13 I DF MB C N nl 3",
      "<DEFINE> bank::Money::=@(&C{cbank::Money}) " + h + " 5 I DI OF C X (&C{cbank::Money})&{cbank::Money} I5",
      "<DEFINE> bank::Money::@constructor(,&C{cbank::Money}) " + h + " 5 I DI OF C X (&C{cbank::Money})vd I5",
      "<DEFINE> bank::Point " + h + " 16 I DF TG S X {sbank::Point} DA",
      "<DEFINE> bank::Point::x " + h + " 17 I DF MB C N ni 5",
      "<DEFINE> bank::Account::@destructor() " + h + " 24 I DC OF C X ()vd V1",
      "<DEFINE> bank::Account::fee() " + h + " 25 I DC OF C X ()nl VP1",
      "<DEFINE> bank::Account::count " + h + " 26 I DC OV C X ni S1",
      "<DEFINE> bank::Account::m_balance " + h + " 29 I DF MB C N {cbank::Money} 2",
      "<DEFINE> bank::Ledger::m_origin " + h + " 44 I DF MB C N {sbank::Point} 7",
      // Declared by the compiler though nothing in the unit uses them.
      "<DEFINE> bank::Ledger::=@(&C{cbank::Ledger}) " + h + " 43 I DI OF C X (&C{cbank::Ledger})&{cbank::Ledger} I5",
      "<DEFINE> bank::Kind::Plain " + h + " 48 I DF OE S N {ebank::Kind} -",
      "<DEFINE> bank::total(ni) " + h + " 50 I DC OF S X (ni)nl -",
      "<DEFINE> bank::total(&C{cbank::Money}) " + h + " 51 I DC OF S X (&C{cbank::Money})nl -",
      // C functions keep the names C units give them.
      "<DEFINE> legacy_sum " + h + " 59 I DC OF F X (ni,ni)ni -",
      // The definitions out of their classes, and a static data member's.
      "<DEFINE> bank::Account::count $ROOT/src/bank.cpp 5 N DF OV C X ni S1",
      "<DEFINE> bank::Money::+@(&C{cbank::Money}) $ROOT/src/bank.cpp 13 N DF OF C X (&C{cbank::Money}){cbank::Money} 1",
      // A standard type as it is written: without the default arguments.
      "<DEFINE> bank::sum(&C{cstd::vector<nl>}) " + h + " 86 I DC OF S X (&C{cstd::vector<nl>})nl -",
      // "extern" inside a function names the object of its namespace.
      "<DEFINE> bank::sum(&C{cstd::vector<nl>})::g_rates $ROOT/src/bank.cpp 39 N DC OV B X *nl -",
      "<EXTV> bank::sum(&C{cstd::vector<nl>})::g_rates bank::g_rates 39",
  });
  // An unnamed namespace is the unit's own.
  const std::vector<std::string> lines = records("bank.cpp");
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("<DEFINE> bank::@UN") &&
           line.ends_with("::hidden() $ROOT/src/bank.cpp 10 N DF OF S I ()nl -");
  }));
}

// Bases and members by value, pointer and reference; the uses of member
// functions (written, read, called, virtually), constructors with their
// member and base initialisers, the implicit constructors a declaration or
// a new calls; new and delete of the object that holds the pointer; the
// initialisers of static objects.
TEST_F(ScanCxx, RelationsAllocationsAndInitialisers) {
  expectRecords("bank.cpp", {
      "<R>B bank::Account bank::Savings 37 -",
      "<R>V bank::Account bank::Money 29 -",
      "<R>P bank::Account bank::Account 30 -",
      "<R>R bank::Account bank::Money 31 -",
      "<R>X bank::Money::set(nl) bank::Money::m_cents 9 W",
      "<R>X bank::Account::@constructor(ni,*Cnc) bank::Account::m_balance 15 W",
      "<R>C bank::Account::@constructor(ni,*Cnc) bank::Money::@constructor(nl) 15 -",
      "<R>X bank::Account::@constructor(ni,*Cnc) bank::Account::count 17 RW",
      "<R>C bank::Savings::@constructor(ni,*Cnc) bank::Account::@constructor(ni,*Cnc) 22 -",
      "<R>C bank::total(&C{cbank::Money}) legacy_sum 27 -",
      "<EXTV> bank::s_zero bank::Money::@constructor(nl) 7",
      "<ALLOC> bank::g_rates array $ROOT/src/bank.cpp 32 30",
  });
  expectRecords("main.cpp", {
      "<EXTV> g_start bank::makeMoney(nl) 3",
      "<R>C main() bank::Savings::@constructor(ni,*Cnc) 6 -",
      "<R>C main() bank::Ledger::@constructor() 8 -",
      "<ALLOC> main()::more plain $ROOT/src/main.cpp 9 24",
      "<R>C main() bank::Ledger::@constructor() 9 -",
      "<R>C main() bank::Money::@constructor(,&C{cbank::Money}) 12 -",
      "<R>C main() bank::Account::fee() 13 V",
      "<ALLOC> main()::rates array $ROOT/src/main.cpp 15 3",
      "<ALLOC> bank::g_rates plain $ROOT/src/main.cpp 16 3",
      // Destructors: of an automatic object (written at its declaration),
      // of what a delete frees.
      "<R>C main() bank::Savings::@destructor() 6 -",
      "<R>C main() bank::Ledger::@destructor() 14 -",
      // Made inside the code of std::vector<bank::Entry>: the call is the
      // caller's of the vector's constructor.
      "<R>C entries() bank::Entry::@constructor() 27 -",
  });
}

// A class template as written, its type parameters by place ("$0"), a
// const member function told from its twin; the code of an instance
// (Box<long>) is the template's, and so are the calls of its functions.
TEST_F(ScanCxx, TemplatesAreWrittenAsWritten) {
  const std::string h = "$ROOT/include/bank.h";
  expectRecords("main.cpp", {
      "<DEFINE> Box<T> " + h + " 62 I DF TG F X {cBox<T>} -",
      "<DEFINE> Box<T>::get()const " + h + " 64 I DC OF C X ()&C$0 IG1",
      "<DEFINE> Box<T>::get() " + h + " 65 I DC OF C X ()&$0 IG1",
      "<DEFINE> Box<T>::m_value " + h + " 68 I DF MB C N $0 3",
      "<R>X Box<T>::get() Box<T>::m_value 65 R",
      "<DEFINE> unbox()::box $ROOT/src/main.cpp 22 N DF OV B N {cBox<nl>} -",
      "<R>C unbox() Box<T>::get() 23 -",
      // The instances, flagged "U", where their template is.
      "<DEFINE> Box<nl> " + h + " 62 I DF TG F X {cBox<nl>} U",
      "<DEFINE> Box<nl>::get() " + h + " 65 I DF OF C X ()&nl IG1U",
      "<DEFINE> twice<ni>(ni) " + h + " 91 I DF OF F X (ni)ni U",
      // An explicit specialisation ("X") and a member template.
      "<DEFINE> twice<nl>(nl) " + h + " 93 I DX OF F X (nl)nl I",
      "<R>C entries() twice<T>($0) 28 -",
      "<DEFINE> bank::Entry::scaled<U>($0) " + h + " 80 I DF OF C X ($0)nl I1",
      "<DEFINE> bank::Entry::scaled<ni>(ni) " + h + " 80 I DF OF C X (ni)nl I1U",
      "<R>X bank::Entry::scaled<U>($0) bank::Entry::m_amount 80 R",
      "<R>C entries() bank::Entry::scaled<U>($0) 28 -",
  });
}

// The C++ product over the project (a C unit among the C++ ones): the
// allocation mismatch across files, functions used from one other file
// only, the implicit copy functions no call reaches, and class metrics.
TEST_F(ScanCxx, ZumFindingsOverTheProject) {
  EXPECT_NE(scratch_.read("out/sources.lst").find("zum ZEKPP -cmaf "), std::string::npos);
  auto r = zumtest::runZum(scratch_, {"ZEKPP", "-cmaf", "out/project", "-list", "out/sources.lst", "-debug",
                                      "simpleoutput", "-debug", "sort-messages"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::string out = replaced(r.out, scantest::cxxFixtureRoot(), "$ROOT");
  for (const char* finding :
       {"$ROOT/src/bank.cpp:31: Msg=1530 #params=2 {bank::g_rates, MsgList={$ROOT/src/main.cpp:16: Msg=3966 "
        "#params=0 ; $ROOT/src/bank.cpp:32: Msg=3967 #params=0}}",
        "$ROOT/src/legacy.c:1: Msg=1532 #params=2 {legacy_sum, ", "$ROOT/src/main.cpp:3: Msg=1514 #params=3 {g_start, ",
        "$ROOT/include/bank.h:21: Msg=1701 #params=1 {bank::Account}",
        "$ROOT/include/bank.h:5: Msg=1702 #params=1 {bank::Money}",
        "$ROOT/include/bank.h:43: Msg=1702 #params=1 {bank::Ledger}",
        "<S>STNAM bank::Account\r\n<S>STNOC 1\r\n<S>STWMC 2\r\n<S>STRFC 3\r\n<S>STCBO 3\r\n<S>STLCM 1\r\n",
        // Counted by hand: four member functions of complexity 1; they and
        // the constructor operator+ calls; couplings to the parameters of
        // operator+, and of the constructor and set() in each unit (a
        // parameter's scope is its function); one group around m_cents.
        "<S>STNAM bank::Money\r\n<S>STNOC 0\r\n<S>STWMC 4\r\n<S>STRFC 4\r\n<S>STCBO 5\r\n<S>STLCM 1\r\n"})
    EXPECT_NE(out.find(finding), std::string::npos) << finding << "\n" << out;
  // The copy constructor main calls is no finding, nor the default
  // constructor that only std::vector's code calls.
  EXPECT_EQ(out.find("Msg=1701 #params=1 {bank::Money}"), std::string::npos) << out;
  EXPECT_EQ(out.find("Msg=1700"), std::string::npos) << out;
}

}  // namespace

namespace {

// Thousands of template instances and a class hierarchy 500 deep: the scan
// finishes and writes the hierarchy whole.
TEST(ScanCxxBadInput, HeavyTemplatesAndADeepHierarchy) {
  zumtest::Scratch scratch;
  std::string text = "template <int N> struct Count { static const int value = Count<N - 1>::value + 1; };\n"
                     "template <> struct Count<0> { static const int value = 0; };\n"
                     "template <typename T, int N> int twice(T t) { return Count<N>::value + t + t; }\n"
                     "int deep = Count<800>::value;\n"
                     "int all() {\n  int sum = 0;\n";
  for (int i = 0; i < 2000; ++i)
    text += "  sum += twice<long, " + std::to_string(i % 700) + ">(" + std::to_string(i) + ");\n";
  text += "  return sum;\n}\nstruct Level0 { int depth = 0; };\n";
  for (int i = 1; i < 500; ++i)
    text += "struct Level" + std::to_string(i) + " : Level" + std::to_string(i - 1) + " {};\n";
  text += "Level499 bottom;\n";
  scratch.write("heavy.cpp", text);
  scantest::writeDatabase(scratch, {"heavy.cpp"});
  const auto r = scantest::runScan(scratch, {"-o", "out", "-q"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string records = scratch.read("out/heavy.cpp.met");
  EXPECT_NE(records.find("<R>B Level498 Level499 "), std::string::npos);
  EXPECT_NE(records.find("<DEFINE> bottom "), std::string::npos);
}

}  // namespace
