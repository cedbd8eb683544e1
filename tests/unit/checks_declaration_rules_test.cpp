// The rules the redeclaration checks compare declarations by: array type
// strings, the pair rule, the rule for a whole list of defines (checked
// against the pairwise rule it stands for) and the definitions that count
// towards a duplicate definition.
#include "checks/DeclarationRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zum::DeclarationFacts;
using zum::DeclaredKind;

namespace {

TEST(DeclarationRules, ArrayTypeStrings) {
  struct Case {
    const char* type;
    bool isArray, dimensioned;
    long long dimension;
    const char* element;
  };
  const Case cases[] = {
      {"[10,[20,ni]]", true, true, 10, "[20,ni]"},
      {"[?,ni]", true, false, 0, "ni"},
      {"[0,ni]", true, false, 0, "ni"},
      {"[007,uc]", true, false, 0, "uc"},  // a leading "0" counts as no dimension
      {"[99999999999,ni]", true, true, 2147483647, "ni"},
      {"ni", false, false, 0, ""},
      {"{sitem}", false, false, 0, ""},
      {"[", true, true, 0, ""},  // damaged: an array with nothing known
      {"[5ni]", true, true, 5, ""},
  };
  for (const Case& c : cases) {
    const zum::ArrayType array = zum::arrayTypeOf(c.type);
    EXPECT_EQ(array.isArray, c.isArray) << c.type;
    EXPECT_EQ(array.dimensioned, c.dimensioned) << c.type;
    EXPECT_EQ(array.dimension, c.dimension) << c.type;
    EXPECT_EQ(array.element, c.element) << c.type;
  }
}

TEST(DeclarationRules, TheArrayRule) {
  struct Case {
    const char* a;
    const char* b;
    bool conflict;
  };
  const Case cases[] = {
      {"[10,ni]", "[10,ni]", false},   // the same type
      {"[?,ni]", "[10,ni]", false},    // a missing dimension fits any
      {"[0,ni]", "[?,ni]", false},
      {"[5,ni]", "[10,ni]", true},     // dimensions differ
      {"[10,ni]", "[010,ni]", false},  // the same number written twice
      {"[?,ni]", "[?,nl]", true},      // elements differ
      {"[10,ni]", "[10,nl]", true},
      {"[?,[3,ni]]", "[4,[3,ni]]", false},
      {"[?,[3,ni]]", "[4,[2,ni]]", true},
      {"ni", "nl", false},  // not arrays: the array rule does not apply
      {"[10,ni]", "ni", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zum::arrayTypesConflict(c.a, c.b), c.conflict) << c.a << " " << c.b;
    EXPECT_EQ(zum::arrayTypesConflict(c.b, c.a), c.conflict) << c.b << " " << c.a;
  }
}

DeclarationFacts facts(DeclaredKind kind, std::string_view type, bool inClass = false) {
  return DeclarationFacts{kind, inClass, type, type};
}

TEST(DeclarationRules, ThePairRule) {
  using K = DeclaredKind;
  struct Case {
    DeclarationFacts first, later;
    bool conflict;
  };
  const Case cases[] = {
      {facts(K::Variable, "ni"), facts(K::Variable, "ni"), false},
      {facts(K::Variable, "ni"), facts(K::Variable, "nl"), true},
      {facts(K::Function, "()vd"), facts(K::Function, "(ni)vd"), true},
      {facts(K::Typedef, "ni"), facts(K::Typedef, "nl"), true},
      {facts(K::Variable, "ni"), facts(K::Function, "()ni"), false},  // different kinds of entity
      {facts(K::Macro, "-"), facts(K::Variable, "ni"), true},
      {facts(K::Macro, "-"), facts(K::Macro, "x"), false},
      {facts(K::Tag, "{sitem}"), facts(K::Typedef, "{sitem}"), true},
      {facts(K::Tag, "{sitem}"), facts(K::Tag, "{uitem}"), false},
      {facts(K::Enumerator, "ni"), facts(K::Variable, "ni"), true},
      {facts(K::Variable, "ni"), facts(K::Tag, "{sitem}"), false},
      {facts(K::Variable, "ni", true), facts(K::Variable, "nl"), false},  // nothing conflicts with a member
      {facts(K::Other, "ni"), facts(K::Variable, "nl"), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zum::conflictsWithFirst(c.first, c.later), c.conflict) << c.first.type << " " << c.later.type;
}

// The rule as it is stated: over every pair of an earlier and a later define.
bool pairwiseArraysIncompatible(const std::vector<DeclarationFacts>& defines) {
  for (std::size_t j = 1; j < defines.size(); ++j) {
    if (!zum::arrayTypeOf(defines[j].dimensionedType).isArray) return true;
    for (std::size_t i = 0; i < j; ++i)
      if (zum::arrayTypeOf(defines[i].dimensionedType).isArray &&
          zum::arrayTypesConflict(defines[j].dimensionedType, defines[i].dimensionedType))
        return true;
  }
  return false;
}

TEST(DeclarationRules, AListOfDefinesIsJudgedLikeEveryPairOfIt) {
  using K = DeclaredKind;
  const std::vector<std::string> arrays = {"[?,ni]", "[10,ni]", "[5,ni]", "[0,ni]", "[10,nl]", "[?,nl]"};
  // Every list of up to three of these arrays, in every order.
  for (const std::string& a : arrays)
    for (const std::string& b : arrays)
      for (const std::string& c : arrays) {
        const std::vector<DeclarationFacts> defines = {facts(K::Variable, a), facts(K::Variable, b),
                                                       facts(K::Variable, c)};
        EXPECT_EQ(zum::declarationsIncompatible(defines), pairwiseArraysIncompatible(defines))
            << a << " " << b << " " << c;
      }
  // A define that is no array after an array conflicts; one before the
  // arrays does not when the first type is an array.
  DeclarationFacts undimensioned = facts(K::Variable, "[?,ni]");
  EXPECT_TRUE(zum::declarationsIncompatible(std::vector{undimensioned, facts(K::Variable, "*ni")}));
  // An array without a dimension is taken by its dimensioned redeclaration.
  undimensioned.dimensionedType = "[5,ni]";
  EXPECT_TRUE(zum::declarationsIncompatible(std::vector{undimensioned, facts(K::Variable, "[10,ni]")}));
  EXPECT_FALSE(zum::declarationsIncompatible(std::vector{undimensioned, facts(K::Variable, "[5,ni]")}));
  // The first no array: the pair rule against the first define only.
  EXPECT_FALSE(zum::declarationsIncompatible(
      std::vector{facts(K::Variable, "ni"), facts(K::Variable, "ni"), facts(K::Macro, "-")}));
  EXPECT_TRUE(zum::declarationsIncompatible(std::vector{facts(K::Variable, "ni"), facts(K::Variable, "[?,ni]")}));
  EXPECT_FALSE(zum::declarationsIncompatible(std::vector<DeclarationFacts>{}));
}

TEST(DeclarationRules, DefinitionsThatCountTowardsADuplicate) {
  struct Case {
    zum::DefinitionFacts facts;
    bool counts;
  };
  const Case cases[] = {
      {{true, false, true, false, false}, true},   // a global variable or function
      {{true, true, true, false, false}, false},   // inline
      {{true, false, false, false, false}, false}, // block or class scope
      {{false, false, true, false, false}, false}, // a typedef, tag, macro...
      {{true, false, true, true, false}, false},   // a template
      {{true, false, true, true, true}, true},     // a template instance marked "X"
  };
  for (const Case& c : cases) EXPECT_EQ(zum::countsAsDefinition(c.facts), c.counts);
}

}  // namespace
