#include <gtest/gtest.h>

#include "util/Location.h"

namespace {
XF_Filename file(const char* name) { return XF_Filename(U_Filename(name), U_Filename(name)); }
}  // namespace

TEST(Location, PartsArePresentOnlyWhenGiven) {
  U_Location plain(file("/p/a.c"), 3, 4);
  EXPECT_FALSE(plain.hasInclLoc());
  EXPECT_FALSE(plain.hasMacroHist());
  EXPECT_FALSE(plain.hasHLLoc());
  EXPECT_FALSE(plain.hasInstFromLoc());
  U_Location inHeader(file("/p/a.h"), 7, 1, plain);
  EXPECT_TRUE(inHeader.hasInclLoc());
  EXPECT_EQ(inHeader.inclLoc(), plain);

  U_Location withHL = inHeader.withHLLoc(file("/p/x.hl"), 99);
  EXPECT_TRUE(withHL.hasHLLoc());
  EXPECT_TRUE(withHL.hasInclLoc());
  EXPECT_EQ(withHL.hlLine(), 99);
  EXPECT_FALSE(inHeader.hasHLLoc());

  U_Handle<U_EntityDisplayName> name(new U_StoredEntityDisplayName("T<int>"));
  U_Location inst = withHL.withInstFromLoc(plain, name);
  EXPECT_TRUE(inst.hasInstFromLoc() && inst.hasHLLoc() && inst.hasInclLoc());
  EXPECT_EQ(inst.instEntity()->text(3), "T<int>");

  U_Handle<U_MacroHistory> macro(new U_MacroHistory(plain, U_Identifier("M"), {}));
  U_Location expanded(file("/p/a.c"), 3, 9, U_Location(), macro);
  EXPECT_TRUE(expanded.hasMacroHist());
  EXPECT_FALSE(expanded.hasInclLoc());
  EXPECT_EQ(expanded.macroHistory()->macroName().view(), "M");
}

TEST(Location, OrderIgnoresPartsAndOutermostClimbsIncludes) {
  U_Location a(file("/p/a.c"), 3, 4);
  U_Location b(file("/p/a.c"), 3, 5);
  EXPECT_TRUE(U_isLocationLess(a, b));
  EXPECT_FALSE(U_isLocationLess(b, a));
  U_Location sameAsA(file("/p/a.c"), 3, 4, b);
  EXPECT_TRUE(U_isLocationEqual(a, sameAsA));
  EXPECT_FALSE(a == sameAsA);
  EXPECT_TRUE(U_isLocationLess(U_Location(), a));

  U_Location top(file("/p/main.c"), 2, 0);
  U_Location mid(file("/p/x.h"), 5, 0, top);
  U_Location deep(file("/p/y.h"), 9, 3, mid);
  EXPECT_EQ(deep.outermost(), top);
  EXPECT_EQ(top.outermost(), top);
}
