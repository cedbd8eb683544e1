// How the checks of C++ classes read names and types: spellings matched
// across list markers, the class a value type holds, the scope text of a
// name without interning it.
#include <gtest/gtest.h>

#include "checks/ClassNames.h"
#include "checks/NameSpelling.h"
#include "checks/ScopeText.h"
#include "model_test_support.h"
#include "util/StringStore.h"

namespace {

using modeltest::marked;

TEST(NameSpelling, AMarkerMatchesTheCharacterItStandsFor) {
  const std::string name = marked("A::@constructor(,A&)");
  EXPECT_NE(name, "A::@constructor(,A&)");
  EXPECT_TRUE(zum::spellingStartsWith(marked("@constructor(,A&)"), "@constructor(,"));
  EXPECT_TRUE(zum::spellingEndsWith(marked("B<int>::@constructor()"), "@constructor()"));
  EXPECT_FALSE(zum::spellingEndsWith(marked("B::@constructor(int)"), "@constructor()"));
  EXPECT_EQ(zum::findSpelling(marked("A::new(p.ul)"), "::new(p."), 1u);
  EXPECT_EQ(zum::findSpelling("A::create", "::new(p."), std::string_view::npos);
  // Unmarked text matches as well.
  EXPECT_TRUE(zum::spellingEndsWith("A::@constructor()", "@constructor()"));
}

TEST(ClassNames, AValueOfClassOrStructTypeOrAnArrayOfOneHoldsThatClass) {
  const char* shape = U_Identifier(marked("geo::Shape<int>")).c_str();
  const auto classOf = [](const char* type) { return zum::classOfValueType(U_Identifier(type).c_str()); };
  EXPECT_EQ(classOf("{cgeo::Shape<int>}"), shape);
  EXPECT_EQ(classOf("[4,[2,{sgeo::Shape<int>}]]"), shape);
  for (const char* other : {"*{cgeo::Shape<int>}", "&{cgeo::Shape<int>}", "{ugeo::Shape<int>}", "{egeo::Shape<int>}",
                            "ni", "", "{c}", "[4,ni]", "{cNeverSeen}"})
    EXPECT_EQ(classOf(other), nullptr) << other;
}

TEST(ScopeText, TheInternedScopeEmptyAtFileScopeAndUnknownOtherwise) {
  const char* scope = U_Identifier(marked("ns::Box<T>")).c_str();
  EXPECT_EQ(zum::scopeTextOf(U_Identifier(marked("ns::Box<T>::get(int)")).c_str()), scope);
  EXPECT_STREQ(zum::scopeTextOf(U_Identifier(marked("free(int)")).c_str()), "");
  EXPECT_EQ(zum::scopeTextOf(U_Identifier("nowhere_known_17::f").c_str()), zum::kUnknownScope);
}

}  // namespace
