// Template bookkeeping: the derived define list, the steps towards the
// template of origin, and which derived defines are filed.
#include <string>
#include <vector>

#include "model_test_support.h"

using namespace modeltest;

namespace {

class TemplateTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    registerSymbolEvents();
    P_configureOnDefine(&recordDefine);
    P_readSource(1, 2, XF_Filename("a.cpp"), fixture("templates"));
    P_readSource(2, 2, XF_Filename("b.cpp"), fixture("templates"));
  }
  static std::vector<PI_DefineHandle> derivedDefines() {
    std::vector<PI_DefineHandle> defines;
    for (int it = P_getFirstDerivedDefine(); !P_isDerivedDefineIterEnd(it); P_getDerivedDefineIterNext(it))
      defines.push_back(P_getDerivedDefineIterData(it));
    return defines;
  }
  static PI_DefineHandle derived(const std::string& name) {
    for (PI_DefineHandle def : derivedDefines())
      if (readable(PI_getDefineQualName(def)) == name) return def;
    return nullptr;
  }
  static std::string origin(PI_DefineHandle def) {
    PI_DefineHandle step = P_getDefineTemplateOrigin(def);
    return step ? describe(step) : "none";
  }
};

}  // namespace

TEST_F(TemplateTest, DerivedDefinesAreListedInReadingOrder) {
  std::vector<std::string> names;
  for (PI_DefineHandle def : derivedDefines()) names.push_back(describe(def));
  EXPECT_EQ(names, (std::vector<std::string>{"A<T*>@a.h:8", "max<long>(long,long)@a.h:1", "max<int>(int,int)@b.cpp:5",
                                             "A<int*>@b.cpp:7", "A<int>::get()@a.h:4", "A<int*>::get()@b.cpp:9"}));
}

TEST_F(TemplateTest, OriginStepsLeadToTheTemplateDefinition) {
  // The function template was declared in a.cpp and defined in b.cpp: the
  // step finds the definition, whenever the derived define was read.
  EXPECT_EQ(origin(derived("max<long>(long,long)")), "max<T>(T,T)@a.h:1");
  EXPECT_TRUE(PI_isDefineDefinition(P_getDefineTemplateOrigin(derived("max<long>(long,long)"))));
  EXPECT_EQ(origin(derived("max<int>(int,int)")), "max<T>(T,T)@a.h:1");
  // A specialisation steps to the partial specialisation read before it,
  // and that one to the primary template.
  EXPECT_EQ(origin(derived("A<int*>")), "A<T*>@a.h:8");
  EXPECT_EQ(origin(derived("A<T*>")), "A<T>@a.h:3");
  EXPECT_EQ(origin(derived("A<int>::get()")), "A<T>::get()@a.h:4");
  // Members of specialisations step to the template's member (key A::get).
  EXPECT_EQ(origin(derived("A<int*>::get()")), "A<T>::get()@a.h:4");
  // Defines that derive from nothing take no step, and following the steps always ends.
  EXPECT_EQ(P_getDefineTemplateOrigin(PI_getSymbolCurrentDefine(symbolNamed("plain()"))), nullptr);
  EXPECT_EQ(P_getDefineTemplateOrigin(PI_getSymbolCurrentDefine(symbolNamed("max<T>(T,T)"))), nullptr);
  for (PI_DefineHandle def : derivedDefines()) {
    int steps = 0;
    for (PI_DefineHandle at = def; at; at = P_getDefineTemplateOrigin(at)) ASSERT_LT(++steps, 4) << describe(def);
  }
}

TEST_F(TemplateTest, GeneratedInstancesReachOnlyThePlainDefineCallbacks) {
  std::vector<std::string> seen = events();
  auto count = [&seen](const std::string& event) { return std::count(seen.begin(), seen.end(), event); };
  // "U" without "X": not filed, seen by the plain define callbacks.
  EXPECT_EQ(count("Define max<long>(long,long)@a.h:1"), 1);
  EXPECT_EQ(symbolNamed("max<long>(long,long)"), nullptr);
  // "X": filed and also seen by the plain define callbacks, after its symbol event.
  auto filed = std::find(seen.begin(), seen.end(), "NewSymbol max<int>(int,int)@b.cpp:5");
  ASSERT_NE(filed, seen.end());
  EXPECT_EQ(*(filed + 1), "Define max<int>(int,int)@b.cpp:5");
  // "P": filed, no plain define callback.
  EXPECT_EQ(count("Define A<T*>@a.h:8"), 0);
  // Ordinary defines never reach the plain define callbacks.
  EXPECT_EQ(count("Define plain()@a.cpp:2"), 0);
}

TEST_F(TemplateTest, MarksAreReadBack) {
  EXPECT_TRUE(P_hasDefineCodeP(derived("A<T*>")));
  EXPECT_TRUE(PI_isDefineSpecialisation(derived("A<T*>")));
  EXPECT_TRUE(P_hasDefineCodeX(derived("A<int*>")));
  EXPECT_FALSE(PI_isDefineSpecialisation(derived("A<int*>")));
  EXPECT_TRUE(P_hasDefineFlagU(derived("max<long>(long,long)")));
  EXPECT_STREQ(P_getDefineQualNameNoTemplateArgs(derived("A<int*>::get()")), marked("A::get()").c_str());
}
