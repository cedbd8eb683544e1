#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "messages/Diagnostic.h"
#include "messages/DiagnosticOrder.h"
#include "messages/KeyTagCont.h"
#include "messages/Param.h"
#include "messages/SuppressionRecord.h"
#include "messages_test_support.h"
#include "util/ProcessState.h"
#include "settings_test_support.h"

using messagestest::file;
using messagestest::FormNames;

namespace {

U_Handle<M_Diagnostic> diagnostic(int number, U_Location location = U_Location()) {
  return U_make<M_Diagnostic>(number, std::move(location));
}

class DiagnosticTest : public ::testing::Test {
 protected:
  void TearDown() override { zum::ProcessState::reset(); }
};

}  // namespace

TEST_F(DiagnosticTest, DebugTextNamesPlaceNumberAndParameters) {
  EXPECT_EQ(diagnostic(1503)->debugText(), "nofile.cc:0: Msg=1503 #params=0");
  EXPECT_EQ(diagnostic(7, U_Location(file("/p/a.c", "a.c"), 3, 0))->debugText(), "a.c:3: Msg=7 #params=0");

  auto d = diagnostic(12, U_Location(file("/p/a.c", "src/a.c"), 3, 5));
  d->addString("x");
  d->addInteger(-42);
  d->addFile(file("/p/h.h", "inc/h.h"));
  d->addStringList({"a", "b"});
  d->addStringList({});
  EXPECT_EQ(d->paramCount(), 5u);
  EXPECT_EQ(d->debugText(), "src/a.c:3:5: Msg=12 #params=5 {x, -42, inc/h.h, List={a,b}, List={}}");
}

TEST_F(DiagnosticTest, MessageListShowsEachDiagnosticsDebugText) {
  auto inner1 = diagnostic(1, U_Location(file("/p/b.c", "b.c"), 1, 0));
  auto inner2 = diagnostic(2);
  inner2->addString("y");
  auto outer = diagnostic(3);
  outer->addMessageList({inner1, inner2});
  outer->addMessageList({});
  EXPECT_EQ(outer->param(0)->text(), "MsgList={b.c:1: Msg=1 #params=0 ; nofile.cc:0: Msg=2 #params=1 {y}}");
  EXPECT_EQ(outer->param(1)->text(), "MsgList={}");
  // The inner diagnostics are shared, not copied.
  EXPECT_EQ(inner1->refCount(), 2);
}

TEST_F(DiagnosticTest, HiddenFlagsAreListedAfterTheParameters) {
  auto d = diagnostic(9);
  d->addString("p");
  d->setHiddenByUser(true);
  EXPECT_EQ(d->debugText(), "nofile.cc:0: Msg=9 #params=1 {p} hidden by user");
  d->setHiddenByPragma(true);
  EXPECT_EQ(d->debugText(), "nofile.cc:0: Msg=9 #params=1 {p} hidden by pragma, user");
  d->setHiddenByUser(false);
  EXPECT_EQ(d->debugText(), "nofile.cc:0: Msg=9 #params=1 {p} hidden by pragma");
  // The error flag and the flag of older files do not show.
  d->setHiddenByPragma(false);
  d->setHidden(true);
  d->setError(true);
  EXPECT_EQ(d->debugText(), "nofile.cc:0: Msg=9 #params=1 {p}");
}

TEST_F(DiagnosticTest, LocationChainsShowOnlyWithTheirSwitches) {
  U_Location top(file("/p/a.c", "a.c"), 1, 0);
  U_Location mid(file("/p/m.h", "m.h"), 3, 2, top);
  U_Location place(file("/p/t.h", "t.h"), 9, 4, mid);
  U_Location instTop(file("/p/a.c", "a.c"), 20, 0);
  U_Location instMid = U_Location(file("/p/t.h", "t.h"), 5, 0).withInstFromLoc(instTop, U_make<FormNames>("U"));
  place = place.withInstFromLoc(instMid, U_make<FormNames>("T"));
  auto d = diagnostic(1, place);
  d->setHiddenByPragma(true);

  const std::string plain = "t.h:9:4: Msg=1 #params=0 hidden by pragma";
  EXPECT_EQ(d->debugText(), plain);
  publishSettings([](C_RunSettings& s) { s.showIncludeChain = true; });
  EXPECT_EQ(d->debugText(), plain + " incl{m.h:3:2 <- a.c:1}");
  publishSettings([](C_RunSettings& s) { s.showInstantiationChain = true; });
  EXPECT_EQ(d->debugText(), plain + " inst{t.h:5 (T3) <- a.c:20 (U3)}");
  publishSettings([](C_RunSettings& s) { s.showIncludeChain = s.showInstantiationChain = true; });
  EXPECT_EQ(d->debugText(), plain + " incl{m.h:3:2 <- a.c:1} inst{t.h:5 (T3) <- a.c:20 (U3)}");
}

TEST_F(DiagnosticTest, DiagnosticOrderFollowsThePrimarySourceThenHeaders) {
  const XF_Filename mainFile = file("/p/main.c", "main.c");
  U_Location include5(mainFile, 5, 0);
  U_Location include2(mainFile, 2, 0);
  auto inHeaderZ = diagnostic(1, U_Location(file("/p/z.h", "z.h"), 1, 0, include5));
  auto inHeaderA = diagnostic(1, U_Location(file("/p/a.h", "a.h"), 9, 0, include5));
  auto mainLine5 = diagnostic(1, U_Location(mainFile, 5, 3));
  auto mainLine5Col1 = diagnostic(1, U_Location(mainFile, 5, 1));
  auto mainLine4 = diagnostic(99, U_Location(mainFile, 4, 0));
  auto headerViaLine2 = diagnostic(1, U_Location(file("/p/z.h", "z.h"), 50, 0, include2));
  auto noPlace = diagnostic(5);
  auto paramB = diagnostic(1, U_Location(mainFile, 5, 3));
  paramB->addString("b");
  auto paramA = diagnostic(1, U_Location(mainFile, 5, 3));
  paramA->addString("a");
  auto number2 = diagnostic(2, U_Location(mainFile, 5, 3));

  std::vector<U_Handle<M_Diagnostic>> all = {inHeaderZ, number2, paramB, inHeaderA, mainLine5, mainLine4,
                                             headerViaLine2, noPlace, paramA, mainLine5Col1};
  std::sort(all.begin(), all.end(), M_DiagnosticLess());
  const std::vector<U_Handle<M_Diagnostic>> expected = {
      noPlace,          // line 0
      headerViaLine2,   // outermost line 2
      mainLine4,        // line 4, before lower message numbers of later lines
      mainLine5Col1,    // line 5, not included, column 1
      mainLine5,        // column 3, message 1, no parameters
      paramA, paramB,   // one parameter, by its text
      number2,          // message 2
      inHeaderA,        // included ones after, by absolute path
      inHeaderZ};
  ASSERT_EQ(all.size(), expected.size());
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], expected[i]) << "at " << i << ": " << all[i]->debugText();

  auto twin = diagnostic(1, U_Location(mainFile, 5, 3));
  twin->addString("a");
  EXPECT_EQ(M_compareDiagnostics(*twin, *paramA), 0);
  twin->setHiddenByPragma(true);  // flags play no role
  EXPECT_EQ(M_compareDiagnostics(*twin, *paramA), 0);
}

TEST_F(DiagnosticTest, ParameterTextsCompareAsUnsignedBytes) {
  auto high = diagnostic(1);
  high->addString("\xe4");
  auto low = diagnostic(1);
  low->addString("z");
  EXPECT_LT(M_compareDiagnostics(*low, *high), 0);
  EXPECT_LT(M_compareDiagnosticIdentity(*low, *high), 0);
}

TEST_F(DiagnosticTest, IdentityOrderUsesFileHandlesAndIgnoresIncludes) {
  // Interned first, so it orders first although its text is larger.
  const XF_Filename first = file("/identity/zz.c", "zz.c");
  const XF_Filename second = file("/identity/aa.c", "aa.c");
  auto inFirst = diagnostic(1, U_Location(first, 9, 0));
  auto inSecond = diagnostic(1, U_Location(second, 1, 0));
  EXPECT_TRUE(M_DiagnosticIdentityLess()(inFirst, inSecond));
  EXPECT_FALSE(M_DiagnosticIdentityLess()(inSecond, inFirst));

  U_Location top(second, 4, 0);
  auto sameButIncluded = diagnostic(1, U_Location(second, 1, 0, top));
  EXPECT_EQ(M_compareDiagnosticIdentity(*inSecond, *sameButIncluded), 0);
  EXPECT_NE(M_compareDiagnostics(*inSecond, *sameButIncluded), 0);
  EXPECT_LT(M_compareDiagnosticIdentity(*diagnostic(1), *inFirst), 0);
}

TEST_F(DiagnosticTest, TagContainersFileTagsUnderEqualKeys) {
  M_LocationTagCont<int> byLocation;
  byLocation.add(U_Location(file("/p/a.c", "a.c"), 4, 1), 1);
  byLocation.add(U_Location(file("/p/a.c", "a.c"), 4, 1), 2);  // an equal, separately made location
  EXPECT_EQ(byLocation.tagsOf(U_Location(file("/p/a.c", "a.c"), 4, 1)), (std::vector<int>{1, 2}));
  EXPECT_TRUE(byLocation.tagsOf(U_Location(file("/p/a.c", "a.c"), 4, 2)).empty());

  M_LocationRangeTagCont<int> byRange;
  const U_Location from(file("/p/a.c", "a.c"), 1, 0);
  byRange.add({from, U_Location(file("/p/a.c", "a.c"), 9, 0)}, 7);
  byRange.add({from, U_Location()}, 8);
  EXPECT_EQ(byRange.all().size(), 2u);
}
