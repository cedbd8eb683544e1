// Metric groups and queries, control graphs, literals.
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/ControlGraph.h"
#include "anlsrslt/model/Literal.h"
#include "anlsrslt/model/Metric.h"
#include "model_test_support.h"
#include "settings_test_support.h"

using namespace modeltest;

namespace {

using MetricTest = ModelTest;

std::string literalText(PI_LiteralHandle literal) {
  return std::string(PI_getLiteral(literal)) + "@" + PI_getLiteralFilename(literal) + ":" +
         std::to_string(PI_getLiteralLine(literal)) + ":" + std::to_string(PI_getLiteralColumn(literal));
}

std::vector<std::string> allLiterals() {
  std::vector<std::string> out;
  for (int it = PI_getFirstLiteral(); !PI_isLiteralIterEnd(it); PI_getLiteralIterNext(it))
    out.push_back(literalText(PI_getLiteralIterData(it)));
  return out;
}

}  // namespace

TEST_F(MetricTest, ValuesAreConvertedWhenQueried) {
  P_configureNeedMetric("STCYC");  // another module asks for every metric
  PI_configureNeedMetric();
  readProject();
  EXPECT_EQ(PI_getMetricIntegralValue("f(int)", "STCYC"), 3);
  EXPECT_DOUBLE_EQ(PI_getMetricFloatingValue("f(int)", "STPTH"), 2.5);
  EXPECT_EQ(PI_getMetricIntegralValue("f(int)", "STPTH"), 2);
  EXPECT_STREQ(PI_getMetricStringValue("f(int)", "STFIL"), "a.c");
  EXPECT_STREQ(PI_getMetricStringValue("helper(int)", "STNAM"), "helper(int)");
  EXPECT_TRUE(PI_hasMetric("a.c", "STLIN"));
  // Names handed out by the model are accepted as they are.
  EXPECT_EQ(PI_getMetricIntegralValue(marked("f(int)").c_str(), "STCYC"), 3);
  EXPECT_EQ(PI_getMetricIntegralValue("b.c", "STLIN"), 12);
  // File-level and function-level metrics live in different groups.
  EXPECT_FALSE(PI_hasMetric("a.c", "STCYC"));
}

TEST_F(MetricTest, GroupsKeepOnlyTheNamedMetricsWhenNoModuleAsksForEvery) {
  P_configureNeedMetric("STCYC");
  readProject();
  EXPECT_EQ(PI_getMetricIntegralValue("f(int)", "STCYC"), 3);
  EXPECT_FALSE(PI_hasMetric("f(int)", "STPTH"));
  EXPECT_FALSE(PI_hasMetric("f(int)", "STFIL"));
  EXPECT_FALSE(PI_hasMetric("a.c", "STLIN"));
}

TEST_F(MetricTest, MissingMetricsAreZeroAndReportedOnlyWhenAsked) {
  PI_configureNeedMetric();
  readProject();
  testing::internal::CaptureStdout();
  EXPECT_EQ(PI_getMetricIntegralValue("nothing()", "STCYC"), 0);
  EXPECT_EQ(PI_getMetricStringValue("f(int)", "STXXX"), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

  publishSettings([](C_RunSettings& s) { s.showMetricErrors = true; });
  testing::internal::CaptureStdout();
  EXPECT_EQ(PI_getMetricFloatingValue("nothing()", "STCYC"), 0.0);
  EXPECT_FALSE(PI_hasMetric("f(int)", "STXXX"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Missing Metrics for : " + marked("nothing()") + "\n" +
                                                        marked("f(int)") + " does not have the metric  : STXXX\n");
}

TEST_F(MetricTest, ValuesKeepTheirBlanksAndTheLaterValueWins) {
  PI_configureNeedMetric();
  writeMetricFile("a.c",
                  "<S>STFIL a.c\n<S>STNAM g()\n<S>STTXT  two  words \n<S>STCYC 1\n<S>STCYC 4\n"
                  "<S>STNAM A.C\n<S>STNUM 99999999999\n");
  readSource("a.c");
  EXPECT_STREQ(PI_getMetricStringValue("g()", "STTXT"), "two  words ");
  EXPECT_EQ(PI_getMetricIntegralValue("g()", "STCYC"), 4);
  // A name that differs from the file in letter case is no file group.
  EXPECT_EQ(PI_getMetricIntegralValue("A.C", "STNUM"), 2147483647);
}

TEST_F(MetricTest, MalformedStructuralLinesAreAssertions) {
  PI_configureNeedMetric();
  writeMetricFile("a.c", "<S>STNAM f()\n");
  EXPECT_DEATH(readSource("a.c"), "We should have received our STFIL before the STNAM");
  writeMetricFile("b.c", "<S>STFIL x.c\n<S>STNAM x.c\n<S>STCYC   \n");
  EXPECT_DEATH(readSource("b.c"), "We are just skipping the space before the name, should not result in EOF");
}

// The project metric file of an earlier run: project-level metrics come
// under a header with an empty file and name.
TEST_F(MetricTest, ProjectMetricsWithEmptyFileAndName) {
  PI_configureNeedMetric();
  writeMetricFile("p", "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STNFA 12\r\n<S>STFIL a.c\r\n<S>STNAM f\r\n<S>STCYC 3\r\n");
  readSource("p");
  EXPECT_EQ(PI_getMetricIntegralValue("", "STNFA"), 12);
  EXPECT_EQ(PI_getMetricIntegralValue("f", "STCYC"), 3);
  EXPECT_FALSE(PI_hasMetric("f", "STNFA"));
}

TEST_F(MetricTest, ControlGraphsOfDeclaredFunctions) {
  static std::vector<PI_ControlGraphHandle> graphs;
  graphs.clear();
  PI_configureOnAllDefine(&recordAllDefine);
  PI_configureOnControlGraph([](PI_ControlGraphHandle graph) { graphs.push_back(graph); });
  readProject();
  ASSERT_EQ(graphs.size(), 1u);
  PI_ControlGraphHandle graph = graphs[0];
  EXPECT_EQ(readable(PI_getControlGraphQualName(graph)), "f(int)");
  EXPECT_EQ(PI_getControlGraphExits(graph), 2);
  EXPECT_EQ(PI_getControlGraphObjectSymbol(graph), symbolNamed("f(int)"));
  std::vector<int> lines;
  for (int it = PI_getFirstControlGraphLine(graph); !PI_isControlGraphLinesIterEnd(it);
       PI_getControlGraphLinesIterNext(it))
    lines.push_back(PI_getControlGraphLinesIterData(it));
  EXPECT_EQ(lines, (std::vector<int>{4, 7, 9}));
  std::vector<std::pair<int, int>> edges;
  for (int it = PI_getFirstControlGraphEdge(graph); !PI_isControlGraphEdgesIterEnd(it);
       PI_getControlGraphEdgesIterNext(it)) {
    PI_ControlGraphEdgeHandle edge = PI_getControlGraphEdgesIterData(it);
    edges.emplace_back(PI_getControlGraphEdgeStart(edge), PI_getControlGraphEdgeEnd(edge));
  }
  EXPECT_EQ(edges, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
  // The model keeps what it hands out: a module's handle is never the last.
  { U_Handle<P_ControlGraphEdge> held(PI_getControlGraphEdgesIterData(PI_getFirstControlGraphEdge(graph))); }
  { U_Handle<P_ControlGraph> held(graph); }
  EXPECT_EQ(PI_getControlGraphExits(graph), 2);
}

TEST_F(MetricTest, GraphsOfUnknownFunctionsAreIgnoredUpToTheirLineRecord) {
  PI_configureOnAllDefine(&recordAllDefine);
  PI_configureOnControlGraph(&recordControlGraph);
  writeMetricFile("a.c",
                  "<DEFINE> known() a.c 1 N DC FF F X ()->v -\n"
                  "<CTLG> unknown() 1\n<CTLG> 1 2\n<CTLGN> 3\n"
                  "<CTLG> known() 1\n<CTLG> 1 2\n<CTLGN> 5\n"
                  "<CTLGN> 6\n");
  readSource("a.c");
  EXPECT_EQ(events(), (std::vector<std::string>{"ControlGraph known()"}));
}

TEST_F(MetricTest, AGraphWithoutItsLineRecordEndsAtTheNextFileOrSource) {
  PI_configureOnAllDefine(&recordAllDefine);
  PI_configureOnControlGraph(&recordControlGraph);
  writeMetricFile("a.c",
                  "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n<DEFINE> g() a.c 2 N DC FF F X ()->v -\n"
                  "<CTLG> f() 1\n<CTLG> 1 2\n<S>STFIL a.c\n<CTLG> g() 1\n<CTLG> 1 2\n");
  writeMetricFile("b.c", "<DEFINE> h() b.c 2 N DC FF F X ()->v -\n<CTLG> h() 3\n<CTLGN> 1\n");
  readSources({"a.c", "b.c"});
  EXPECT_EQ(events(), (std::vector<std::string>{"ControlGraph f()", "ControlGraph g()", "ControlGraph h()", "AllDefine"}));
}

TEST_F(MetricTest, LiteralsAreKeptOncePerPlaceInPlaceOrder) {
  PI_configureNeedLiteral();
  readProject();
  std::vector<std::string> literals = allLiterals();
  std::sort(literals.begin(), literals.end());
  // The literal of a.h that both sources report is kept once.
  EXPECT_EQ(literals, (std::vector<std::string>{"\"a b\"@a.h:2:1", "42@a.c:7:12", "7UL@b.c:4:9"}));
}

TEST_F(MetricTest, LiteralsOrderByFileIdentityThenLineThenColumn) {
  PI_configureNeedLiteral();
  writeMetricFile("a.c",
                  "<LIT> 1 - - z.c 9 1 N DN ni B O\n<LIT> 2 - - y.c 1 1 N DN ni B O\n"
                  "<LIT> 3 - - z.c 2 7 N DN ni B O\n<LIT> 4 - - z.c 2 3 N DN ni B O\n"
                  "<LIT> 5 - - z.c 2 3 N DN ni B O\n");
  readSource("a.c");
  std::vector<std::string> literals = allLiterals();
  std::vector<std::string> zFirst{"4@z.c:2:3", "3@z.c:2:7", "1@z.c:9:1", "2@y.c:1:1"};
  std::vector<std::string> yFirst{"2@y.c:1:1", "4@z.c:2:3", "3@z.c:2:7", "1@z.c:9:1"};
  EXPECT_EQ(literals, U_Filename("z.c") < U_Filename("y.c") ? zFirst : yFirst);
}

TEST_F(MetricTest, LiteralFields) {
  PI_configureNeedLiteral();
  writeMetricFile("a.c",
                  "<LIT> L'x y' - N a.c 1 2 N CW nc B M\n"
                  "<LIT> 0x1fULL ULL + a.c 1 1 I HE nul C D\n"
                  "<LIT> 1.5f f - a.c 2 1 N F- nf F S\n");
  readSource("a.c");
  std::vector<PI_LiteralHandle> literals;
  for (int it = PI_getFirstLiteral(); !PI_isLiteralIterEnd(it); PI_getLiteralIterNext(it))
    literals.push_back(PI_getLiteralIterData(it));
  ASSERT_EQ(literals.size(), 3u);
  PI_LiteralHandle hex = literals[0];
  PI_LiteralHandle wide = literals[1];
  PI_LiteralHandle floating = literals[2];

  EXPECT_STREQ(PI_getLiteral(wide), "L'x y'");
  EXPECT_FALSE(PI_hasLiteralSuffix(wide));
  EXPECT_TRUE(PI_isLiteralNegative(wide));
  EXPECT_TRUE(PI_isLiteralCharacter(wide));
  EXPECT_TRUE(PI_isLiteralWide(wide));
  EXPECT_TRUE(PI_hasLiteralBlockScope(wide));
  EXPECT_TRUE(PI_isLiteralContextMacro(wide));
  EXPECT_FALSE(PI_isLiteralInHeader(wide));
  EXPECT_STREQ(PI_getLiteralType(wide), "nc");

  EXPECT_STREQ(PI_getLiteralSuffix(hex), "ULL");
  EXPECT_TRUE(PI_hasLiteralUnsignedSuffix(hex));
  EXPECT_TRUE(PI_hasLiteralLongLongSuffix(hex));
  EXPECT_FALSE(PI_hasLiteralLongSuffix(hex));
  EXPECT_TRUE(PI_isLiteralPositive(hex));
  EXPECT_TRUE(PI_isLiteralHex(hex));
  EXPECT_TRUE(PI_isLiteralEscaped(hex));
  EXPECT_TRUE(PI_isLiteralInHeader(hex));
  EXPECT_TRUE(PI_hasLiteralClassScope(hex));
  EXPECT_TRUE(PI_isLiteralContextArrayDimension(hex));

  EXPECT_TRUE(PI_hasLiteralFloatingSuffix(floating));
  EXPECT_FALSE(PI_hasLiteralSign(floating));
  EXPECT_TRUE(PI_isLiteralFloating(floating));
  EXPECT_TRUE(PI_hasLiteralFileScope(floating));
  EXPECT_TRUE(PI_isLiteralContextStructInitialiser(floating));

  EXPECT_DEATH(PI_getLiteralSuffix(wide), "Only try to get a suffix if there was one");
}

TEST(LiteralSuffixes, FollowTheirLetters) {
  EXPECT_EQ(P_literalSuffixBits("-"), P_SuffixNone);
  EXPECT_EQ(P_literalSuffixBits("UL"), P_SuffixUnsigned | P_SuffixLong);
  EXPECT_EQ(P_literalSuffixBits("ll"), P_SuffixLongLong);
  EXPECT_EQ(P_literalSuffixBits("i64"), P_SuffixLongLong);
  EXPECT_EQ(P_literalSuffixBits("ui64"), P_SuffixUnsigned | P_SuffixLongLong);
  EXPECT_EQ(P_literalSuffixBits("F"), P_SuffixFloating);
  EXPECT_EQ(P_literalSuffixBits("lf"), P_SuffixLong);
  EXPECT_EQ(P_literalSuffixBits("x"), 0);
}
