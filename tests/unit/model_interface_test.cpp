// The plug-in interface as modules use it: the order of events, sets and
// lists of callbacks, iterator ids, type queries, run information and the
// scope-enclosing symbol (misuse assertions: plugin_diagnostics_test; the
// error-file events: model_diagnostics_test).
#include <string>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/RunInfo.h"
#include "model_test_support.h"
#include "util/Exception.h"

using namespace modeltest;

namespace {

using InterfaceTest = ModelTest;

void firstAllDefine() { events().push_back("AllDefine 1"); }
void secondAllDefine() { events().push_back("AllDefine 2"); }
void classMetric(PI_DefineHandle def, const char* metric) {
  events().push_back(std::string("Class ") + metric + " " + readable(PI_getDefineQualName(def)));
}
void functionMetric(PI_DefineHandle def, const char* metric) {
  events().push_back(std::string("Function ") + metric + " " + readable(PI_getDefineQualName(def)));
}

}  // namespace

// Over the project fixture, whose externals are merged across the sources
// and whose statics are kept apart.
TEST_F(InterfaceTest, EventsComeInTheirFixedOrder) {
  PI_configureOnSource(&recordSource);
  registerSymbolEvents();
  PI_configureOnAlloc(&recordAlloc);
  PI_configureOnControlGraph(&recordControlGraph);
  PI_configureMetricGroup(&recordMetricGroup);
  PI_configureOnAllDefine(&secondAllDefine);
  PI_configureOnAllDefine(&firstAllDefine);
  PI_configureOnEnd(&recordEnd);
  PI_configureOnEnd(&recordEnd);
  PI_configureOnAllDefine(&secondAllDefine);
  readProject();
  EXPECT_EQ(events(), (std::vector<std::string>{
                          "Source a.c", "NewSymbol g_count@a.h:3", "NewSymbol helper(int)@a.c:2",
                          "NewSymbol f(int)@a.c:4", "NewSymbol f(int)::n@a.c:4", "Definition f(int)@a.c:4",
                          "NewSymbol f(int)::local@a.c:6", "Definition helper(int)@a.c:20", "Definition g_count@a.c:30",
                          "Alloc f(int)::local", "Alloc f(int)::local", "ControlGraph f(int)", "MetricGroup a.c",
                          "MetricGroup f(int)", "Source b.c", "MetricGroup helper(int)", "ProjRedecl g_count@a.h:3",
                          "NewSymbol helper(int)@b.c:1", "NewSymbol main()@b.c:3", "Definition main()@b.c:3",
                          "Definition helper(int)@b.c:9",
                          // the end: OnEnd once, the all-define list in registration order, the last group
                          "End", "AllDefine 2", "AllDefine 1", "MetricGroup b.c"}));
  EXPECT_EQ(allSymbols().size(), 7u);
  EXPECT_EQ(definesOf(symbolNamed("g_count")).size(), 3u);
}

TEST_F(InterfaceTest, ClassAndFunctionMetricsRunInTheirPlaceOfTheAllDefineList) {
  PI_configureOnAllDefine(&firstAllDefine);
  PI_configureFunctionMetric("STM1", &functionMetric);
  PI_configureClassMetric("STC1", &classMetric);
  PI_configureFunctionMetric("STM1", &functionMetric);  // kept twice
  PI_configureOnAllDefine(&secondAllDefine);
  writeMetricFile("a.cpp",
                  "<DEFINE> K a.cpp 1 N DF TG F X {cK} -\n"
                  "<DEFINE> K::m() a.cpp 2 N DF FF C X ()->v -\n"
                  "<DEFINE> U a.cpp 3 N DF TG F X {uU} -\n"
                  "<DEFINE> v a.cpp 4 N DF -V F X ni -\n");
  readSources({"a.cpp"});
  EXPECT_EQ(events(), (std::vector<std::string>{"AllDefine 1", "Class STC1 K", "Function STM1 K::m()",
                                                "Function STM1 K::m()", "AllDefine 2"}));
}

TEST_F(InterfaceTest, IteratingAnEmptyCollectionEndsAtOnceAndKeepsItsId) {
  int symbols = PI_getFirstSymbol();
  EXPECT_TRUE(PI_isSymbolIterEnd(symbols));
  EXPECT_EQ(PI_getSymbolIterData(symbols), nullptr);
  // Only next frees ids: a second first call gets a new one.
  EXPECT_NE(PI_getFirstSymbol(), symbols);
  // Kinds count their ids independently.
  EXPECT_EQ(PI_getFirstLiteral(), 0);
  EXPECT_EQ(PI_getFirstRelationCall(), 0);
}

TEST_F(InterfaceTest, IdsAreReusedMostRecentlyFreedFirst) {
  PI_configureOnAllDefine(&recordAllDefine);
  writeMetricFile("a.c", "<DEFINE> x a.c 1 N DC -V F X ni -\n<DEFINE> y a.c 2 N DC -V F X ni -\n");
  readSource("a.c");
  int a = PI_getFirstSymbol();
  int b = PI_getFirstSymbol();
  int c = PI_getFirstSymbol();
  EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(PI_getSymbolIterNext(a));
  EXPECT_TRUE(PI_getSymbolIterNext(a));
  EXPECT_TRUE(PI_isSymbolIterEnd(a));
  PI_getSymbolIterNext(c);
  PI_getSymbolIterNext(c);
  EXPECT_EQ(PI_getFirstSymbol(), c);
  EXPECT_EQ(PI_getFirstSymbol(), a);
  EXPECT_EQ(PI_getFirstSymbol(), 3);
  // A reused id starts from the beginning again.
  EXPECT_EQ(PI_getSymbolIterData(a), allSymbols()[0]);
}

TEST_F(InterfaceTest, UnknownIteratorIdsAreAssertions) {
  EXPECT_DEATH(PI_isSymbolIterEnd(0),
               "Assertion at anlsrslt/include/../model/impl/IterCont:[0-9]+: Assertion 'key < nextId && \"Iterator Id "
               "is out of range.\"' failed.");
  PI_getFirstLiteral();
  EXPECT_DEATH(PI_getLiteralIterData(-1), "Iterator Id is out of range.");
  EXPECT_DEATH(PI_getDefineIterNext(5), "Iterator Id is out of range.");
}

TEST_F(InterfaceTest, TypeQueries) {
  const char* type = U_Identifier("[10,[20,ni]]").c_str();
  EXPECT_TRUE(PI_isTypeArray(type));
  EXPECT_FALSE(PI_isTypeArray("ni"));
  EXPECT_FALSE(PI_isUndimArray(type));
  EXPECT_TRUE(PI_isUndimArray("[?,ni]"));
  EXPECT_TRUE(P_isUndimArray("[0,ni]"));
  EXPECT_EQ(PI_getArrayDimension(type), 10);
  EXPECT_STREQ(PI_getArrayElemType(type), "[20,ni]");
  EXPECT_EQ(PI_getArrayElemType(type), U_Identifier("[20,ni]").c_str());
  EXPECT_TRUE(PI_areTypesEqual(type, U_Identifier("[10,[20,ni]]").c_str()));
  EXPECT_FALSE(PI_areTypesEqual(type, "[10,[20,ni]]"));
  EXPECT_DEATH(PI_isTypeArray(""), "Our type string should have a length greater than 0");
  EXPECT_DEATH(PI_getArrayDimension("[?,ni]"), "We should only ask dimensioned arrays for their dimensions");
  EXPECT_DEATH(PI_isUndimArray("ni"), "Assertion at");
}

TEST_F(InterfaceTest, RunInformation) {
  PI_configureOnSource(&recordSource);
  P_setCrossModuleFile(XF_Filename("proj.c"));
  P_setOutputPath("out/dir");
  U_Handle<P_Source> source = P_beginSource(1, 2, XF_Filename("src/a.c"), "out/dir");
  U_Handle<P_Source> project = P_beginSource(2, 2, XF_Filename("proj.c"), "out/dir");
  EXPECT_STREQ(PI_getSourceFilename(source.pointer()), "src/a.c");
  EXPECT_FALSE(PI_isSourceCrossModuleFilename(source.pointer()));
  EXPECT_TRUE(PI_isSourceCrossModuleFilename(project.pointer()));
  EXPECT_STREQ(PI_getZUMCrossModuleFilename(0), "proj.c");
  EXPECT_EQ(PI_getZUMCrossModuleFilename(1), PI_getZUMCrossModuleFilename(0));
  EXPECT_STREQ(PI_getZUMOutputPath(1), "out/dir");
  EXPECT_DEATH(PI_getZUMOutputPath(2), "Illegal encoding specified");
}

TEST_F(InterfaceTest, ScopeEnclosingSymbols) {
  PI_configureNeedScopeEnclSymbol();
  P_readSource(1, 1, XF_Filename("a.c"), fixture("project"));
  PI_DefineHandle local = PI_getSymbolCurrentDefine(symbolNamed("f(int)::local"));
  EXPECT_EQ(PI_getScopeEnclSymbol(PI_getDefineScope(local)), symbolNamed("f(int)"));
  EXPECT_EQ(PI_getScopeEnclSymbol(marked("f(int)").c_str()), symbolNamed("f(int)"));
  EXPECT_EQ(PI_getScopeEnclSymbol(""), nullptr);
  EXPECT_EQ(PI_getScopeEnclSymbol("no::such"), nullptr);
}
