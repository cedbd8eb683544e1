// Relation, include, extern-variable and allocation records.
#include <algorithm>
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "model_test_support.h"
#include "settings_test_support.h"

using namespace modeltest;

namespace {

std::vector<std::string>& includesSeen() {
  static std::vector<std::string> seen;
  return seen;
}
void driverIncludeHandler(P_RelationInclude* include) {
  includesSeen().push_back(std::string(PI_getRelationIncludeObject(include)) + " includes " +
                           PI_getRelationIncludeSubject(include));
}

class RelationTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    includesSeen().clear();
    PI_configureOnAllDefine(&recordAllDefine);
    P_configureOnInclude(&driverIncludeHandler);
  }
  template <class First, class Data, class Next, class End>
  static std::vector<std::string> relations(First first, Data data, Next next, End end) {
    std::vector<std::string> out;
    for (int it = first(); !end(it); next(it)) {
      PI_RelationHandle rel = data(it);
      std::string flags;
      if (PI_isRelationRefersRead(rel)) flags += 'R';
      if (PI_isRelationRefersWrite(rel)) flags += 'W';
      if (PI_isRelationCallsVirtual(rel)) flags += 'V';
      out.push_back(readable(PI_getRelationObject(rel)) + " " + readable(PI_getRelationSubject(rel)) + " " +
                    std::to_string(PI_getRelationLine(rel)) + " " + flags);
    }
    return out;
  }
  static std::vector<std::string> calls() {
    return relations(PI_getFirstRelationCall, PI_getRelationCallsIterData, PI_getRelationCallsIterNext,
                     PI_isRelationCallsIterEnd);
  }
  static std::vector<std::string> refers() {
    return relations(PI_getFirstRelationRefer, PI_getRelationRefersIterData, PI_getRelationRefersIterNext,
                     PI_isRelationRefersIterEnd);
  }
};

}  // namespace

TEST_F(RelationTest, RelationsResolveThroughTheirOwnSource) {
  PI_configureNeedRelationCalls();
  PI_configureNeedRelationRefers();
  // A module may walk the relations from inside a reading callback; what is
  // read afterwards must still land in its name group, in reading order.
  P_readSource(1, 2, XF_Filename("a.c"), fixture("project"));
  const std::vector<std::string> early = refers();
  P_readSource(2, 2, XF_Filename("b.c"), fixture("project"));
  EXPECT_EQ(early.size() + 1, refers().size());
  // main() calls f(int), which b.c never declared: dropped. The helpers of
  // a.c and b.c are different symbols.
  std::vector<std::string> called = calls();
  std::sort(called.begin(), called.end());
  EXPECT_EQ(called, (std::vector<std::string>{"f(int) helper(int) 7 ", "main() helper(int) 4 V"}));
  EXPECT_EQ(refers(), (std::vector<std::string>{"f(int) g_count 8 RW", "helper(int) g_count 21 R",
                                                "main() g_count 6 W"}));
  int it = PI_getFirstRelationCall();
  std::vector<PI_SymbolHandle> callees;
  for (; !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it))
    callees.push_back(PI_getRelationSubjectSymbol(PI_getRelationCallsIterData(it)));
  ASSERT_EQ(callees.size(), 2u);
  EXPECT_NE(callees[0], callees[1]);
  EXPECT_TRUE(PI_hasRelationRefersSubject(symbolNamed("g_count")));
  EXPECT_FALSE(PI_hasRelationRefersSubject(symbolNamed("main()")));
}

TEST_F(RelationTest, RelationsOfKindsNobodyAskedForAreNotKept) {
  PI_configureNeedRelationRefers();
  readProject(false);
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(refers().size(), 3u);
  int it = PI_getFirstRelationBase();
  EXPECT_TRUE(PI_isRelationBaseIterEnd(it));
  EXPECT_EQ(PI_getRelationBaseIterData(it), nullptr);
}

TEST_F(RelationTest, MemberAndBaseKindsAreKeptApart) {
  PI_configureNeedRelationBase();
  PI_configureNeedRelationClsMbr();
  PI_configureNeedRelationClsMbrRef();
  PI_configureNeedRelationClsMbrPtr();
  writeMetricFile("a.cpp",
                  "<DEFINE> B a.cpp 1 N DF TG F X {cB} -\n"
                  "<DEFINE> D a.cpp 2 N DF TG F X {cD} -\n"
                  "<R>B B D 2 -\n<R>V D B 3 -\n<R>R D B 4 -\n<R>P D B 5 -\n<R>U D B 6 -\n");
  readSource("a.cpp");
  auto one = [](int first, PI_RelationHandle (*data)(int)) { return PI_getRelationLine(data(first)); };
  EXPECT_EQ(one(PI_getFirstRelationBase(), PI_getRelationBaseIterData), 2);
  EXPECT_EQ(one(PI_getFirstRelationClsMbr(), PI_getRelationClsMbrIterData), 3);
  EXPECT_EQ(one(PI_getFirstRelationClsMbrRef(), PI_getRelationClsMbrRefIterData), 4);
  EXPECT_EQ(one(PI_getFirstRelationClsMbrPtr(), PI_getRelationClsMbrPtrIterData), 5);
}

TEST_F(RelationTest, UnresolvedRecordsAndFlagsAreDroppedAndReportedOnlyWhenAsked) {
  PI_configureNeedRelationCalls();
  PI_configureNeedExternVar();
  const std::string records =
      "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n<R>C f() g() 3 -\n<R>X f() f() 4 RQ\n<EXTV> f() nowhere 5\n";
  writeMetricFile("a.c", records);
  writeMetricFile("b.c", records);
  testing::internal::CaptureStdout();
  readSource("a.c");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(calls().empty());
  publishSettings([](C_RunSettings& s) { s.showRelationErrors = s.showExtvErrors = true; });
  testing::internal::CaptureStdout();
  readSource("b.c");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Undefined symbol for relation record: <R>C f() g() 3 -\n"
            "Undefined flag for relation record: "
            "Undefined symbol for extv record: <EXTV> f() nowhere 5\n");
}

TEST_F(RelationTest, AnObjectNameIsResolvedAgainOnceTheSourceDeclaresItAnew) {
  // Consecutive relations of one function share its resolved name; a
  // declaration in between that rebinds the name in the source must be
  // seen by the next relation, and so must a name declared only after a
  // relation could not find it.
  PI_configureNeedRelationCalls();
  writeMetricFile("a.c",
                  "<DEFINE> f a.c 1 N DC FF F X ()->v -\n"
                  "<DEFINE> g a.c 2 N DC FF F X ()->v -\n"
                  "<R>C f g 3 -\n"
                  "<DEFINE> f a.c 5 N DC FF F I ()->v -\n"
                  "<R>C f g 6 -\n"
                  "<R>C h g 4 -\n"
                  "<DEFINE> h a.c 7 N DC FF F X ()->v -\n"
                  "<R>C h g 8 -\n"
                  "<R>C h k 9 -\n"
                  "<DEFINE> k a.c 10 N DC FF F X ()->v -\n"
                  "<R>C h k 11 -\n"
                  "<R>C h k(int) 12 -\n"
                  "<DEFINE> k(int) a.c 13 N DC FF F X (ni)->v -\n"
                  "<R>C h k(int) 14 -\n"
                  "<R>C h k(int) 15 -\n");
  readSource("a.c");
  std::vector<PI_SymbolHandle> callers;
  std::vector<int> lines;
  for (int it = PI_getFirstRelationCall(); !PI_isRelationCallsIterEnd(it); PI_getRelationCallsIterNext(it)) {
    callers.push_back(PI_getRelationObjectSymbol(PI_getRelationCallsIterData(it)));
    lines.push_back(PI_getRelationLine(PI_getRelationCallsIterData(it)));
  }
  // The subjects too: "k" and "k(int)" are found once declared, and again
  // after that.
  ASSERT_EQ(lines, (std::vector<int>{3, 6, 8, 11, 14, 15}));
  EXPECT_NE(callers[0], callers[1]);
  EXPECT_EQ(PI_getDefineLine(PI_getSymbolCurrentDefine(callers[1])), 5);
  EXPECT_EQ(PI_getDefineLine(PI_getSymbolCurrentDefine(callers[2])), 7);
}

TEST_F(RelationTest, IncludesAlwaysReachTheDriverButAreKeptOnlyWhenNeeded) {
  readProject(false);
  EXPECT_EQ(includesSeen(), (std::vector<std::string>{"a.c includes a.h", "b.c includes a.h"}));
  EXPECT_TRUE(PI_isRelationIncludeIterEnd(PI_getFirstRelationInclude()));
}

TEST_F(RelationTest, KeptIncludesAreOrderedByFile) {
  PI_configureNeedRelationInclude();
  writeMetricFile("z.c", "<R>I z.c z.h 1\n<R>I \"my dir/y.h\" x.h 7\n<R>I z.c w.h 2\n");
  readSource("z.c");
  std::vector<std::string> kept;
  for (int it = PI_getFirstRelationInclude(); !PI_isRelationIncludeIterEnd(it); PI_getRelationIncludeIterNext(it)) {
    PI_RelationIncludeHandle include = PI_getRelationIncludeIterData(it);
    kept.push_back(std::string(PI_getRelationIncludeObject(include)) + ">" + PI_getRelationIncludeSubject(include) +
                   ":" + std::to_string(PI_getRelationIncludeLine(include)));
  }
  EXPECT_EQ(kept, (std::vector<std::string>{"z.c>z.h:1", "z.c>w.h:2", "my dir/y.h>x.h:7"}));
}

TEST_F(RelationTest, ExternVariablesAreKeptWithTheirSubjects) {
  PI_configureNeedExternVar();
  readProject(false);
  std::vector<std::string> records;
  for (int it = PI_getFirstExternVar(); !PI_isExternVarIterEnd(it); PI_getExternVarIterNext(it)) {
    PI_ExternVarHandle record = PI_getExternVarIterData(it);
    records.push_back(readable(PI_getExternVarObject(record)) + " " + PI_getExternVarSubject(record) + " " +
                      std::to_string(PI_getExternVarLine(record)));
    EXPECT_EQ(PI_getExternVarSubjectSymbol(record), symbolNamed("g_count"));
    EXPECT_NE(PI_getExternVarObjectSymbol(record), nullptr);
  }
  // Groups by object name come in no defined order.
  std::sort(records.begin(), records.end());
  EXPECT_EQ(records, (std::vector<std::string>{"f(int) g_count 9", "main() g_count 6"}));
  EXPECT_TRUE(PI_hasExternVarSubject(symbolNamed("g_count")));
  EXPECT_FALSE(PI_hasExternVarSubject(symbolNamed("main()")));
}

TEST_F(RelationTest, AllocationFieldsAndKinds) {
  static std::vector<PI_AllocHandle> allocs;
  allocs.clear();
  PI_configureOnAlloc([](PI_AllocHandle alloc) { allocs.push_back(alloc); });
  writeMetricFile("a.c",
                  "<DEFINE> p a.c 1 N DC -V F N ni -\n"
                  "<ALLOC> p plain \"a b.c\" 3 4\n<ALLOC> p array a.c 5 6\n"
                  "<ALLOC> p old a.c 7 8\n<ALLOC> p mystery a.c 9 10\n<ALLOC> p plain a.c 11\n");
  readSource("a.c");
  ASSERT_EQ(allocs.size(), 4u);
  EXPECT_STREQ(PI_getAllocQualName(allocs[0]), "p");
  EXPECT_STREQ(PI_getAllocFilename(allocs[0]), "a b.c");
  EXPECT_EQ(PI_getAllocLine(allocs[0]), 3);
  EXPECT_EQ(PI_getAllocColumn(allocs[0]), 4);
  EXPECT_EQ(PI_getAllocObjectSymbol(allocs[0]), symbolNamed("p"));
  EXPECT_TRUE(PI_isAllocKindPlain(allocs[0]));
  EXPECT_TRUE(PI_isAllocKindArray(allocs[1]));
  EXPECT_TRUE(PI_isAllocKindOld(allocs[2]));
  EXPECT_TRUE(PI_isAllocKindUnknown(allocs[3]));
}
