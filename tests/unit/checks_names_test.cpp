// The checks over the names of the project, for the rules that their
// end-to-end fixtures do not reach: arrays taken with their dimensioned
// redeclaration, the kinds a 1581 names, templates, members and implicit
// defines, and how file names are taken apart and recorded.
#include "checks/DuplicateFilenames.h"
#include "checks/IdentifierReuse.h"
#include "checks/Redeclarations.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using zumtest::declaredAt;

namespace {

class NameChecks : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureTypedefReuse();
    zum::configureDuplicateDefinition();
    zum::configureIncompatibleDeclaration();
    zum::configureDuplicateDeclaration();
    zum::configureIdentifierReuse();
    zum::configureDuplicateFilenames();
  }
};

TEST_F(NameChecks, AnArrayWithoutDimensionIsTakenWithItsDimensionedRedeclaration) {
  runProject({{"a.c", "<DEFINE> buf a.c 3 N DC OV F X [?,ni] -\n<DEFINE> buf a.c 9 N DR OV F X [5,ni] -\n"
                      "<DEFINE> fits a.c 4 N DC OV F X [?,ni] -\n<DEFINE> fits a.c 9 N DR OV F X [10,ni] -\n"},
              {"b.c", "<DEFINE> buf b.c 4 N DC OV F X [10,ni] -\n<DEFINE> fits b.c 5 N DC OV F X [10,ni] -\n"}});
  // The list names the redeclaration that stood in, places in location order.
  EXPECT_EQ(findingsOf(1510), std::vector<std::string>{":1: Msg=1510 #params=2 {buf, MsgList={" +
                                                       declaredAt("a.c:9", "buf") + " ; " + declaredAt("b.c:4", "buf") +
                                                       "}}"});
}

TEST_F(NameChecks, AListedDefineNamesItsKind) {
  // One source for each, so that no name of one finds another's symbol.
  runProject({{"a.c", "<DEFINE> K a.c 1 N DF OT F N ni -\n"},
              {"b.c", "<DEFINE> K b.c 1 N DC TG F N {sK} -\n<DEFINE> S b.c 2 N DF TG F N {cS} -\n"
                      "<DEFINE> S::K b.c 3 N DC MB C N ni -\n"},
              {"c.c", "<DEFINE> K c.c 1 N DF OE F N ni -\n"},
              {"d.c", "<DEFINE> K d.c 1 N DF OM - - - O\n"},
              {"e.c", "<DEFINE> K e.c 1 N DC OF F X ()vd -\n"},
              {"f.c", "<DEFINE> f f.c 1 N DC OF F X ()vd -\n<DEFINE> f f.c 1 N DF OF F X ()vd -\n"
                      "<DEFINE> f::K f.c 2 N DF OV B N ni -\n"},
              {"g.c", "<DEFINE> K g.c 1 N DF TG F N {eK} -\n"}});
  // The defines that are no typedefs first, in the order of their symbols.
  EXPECT_EQ(findingsOf(1506), std::vector<std::string>{":1: Msg=1506 #params=2 {K, MsgList={"
                                                       "b.c:1: Msg=1581 #params=2 {Struct, declaration} ; "
                                                       "b.c:3: Msg=1581 #params=2 {Member, declaration} ; "
                                                       "c.c:1: Msg=1581 #params=2 {Enumerator, definition} ; "
                                                       "d.c:1: Msg=1581 #params=2 {Macro, definition} ; "
                                                       "e.c:1: Msg=1581 #params=2 {Function, declaration} ; "
                                                       "f.c:2: Msg=1581 #params=2 {Variable, definition} ; "
                                                       "g.c:1: Msg=1581 #params=2 {Tag, definition} ; "
                                                       "a.c:1: Msg=1581 #params=2 {Typedef, definition}}}"});
}

TEST_F(NameChecks, TemplatesMembersAndImplicitDefinesAreLeftOut) {
  const std::string header = "<DEFINE> tf<T>(T) t.h 2 I DC OF F X (T)vd -\n<DEFINE> tf<T>(T) t.h 2 I DF OF F X (T)vd -\n"
                             "<DEFINE> C t.h 4 I DF TG F X {cC} -\n<DEFINE> C::m t.h 5 I DC MB C X ni S\n";
  runProject({{"a.cpp", header + "<DEFINE> m a.cpp 7 N DC OV F I ni -\n<DEFINE> m a.cpp 7 N DF OV F I ni -\n"
                                 "<DEFINE> imp a.cpp 8 N DI OF F X ()vd -\n"},
              {"b.cpp", header + "<DEFINE> imp b.cpp 8 N DC OF F I ()vd -\n<DEFINE> imp b.cpp 8 N DF OF F I ()vd -\n"}});
  // A template defined in a header that two sources include is neither a
  // duplicate definition nor a duplicate declaration; the member C::m and
  // the implicit declaration of imp are no reuse of the statics m and imp.
  EXPECT_EQ(findings(), std::vector<std::string>{});
}

TEST_F(NameChecks, AFileIsRecordedOnceUnderTheNameBeforeItsLastSlash) {
  EXPECT_EQ(zum::baseNameOf("a/b/util.h"), "util.h");
  EXPECT_EQ(zum::baseNameOf("a/b/"), "b");
  EXPECT_EQ(zum::baseNameOf("util.h"), "util.h");
  EXPECT_EQ(zum::baseNameOf("a\\util.h"), "a\\util.h");
  // A source that another source includes is one file.
  runProject({{"a.c", "<R>I a.c b.c 1\n<R>I a.c lib/B.C 2\n"}, {"b.c", ""}});
  EXPECT_EQ(findings(), std::vector<std::string>{":1: Msg=1516 #params=2 {b.c, MsgList={:1: Msg=1578 #params=1 {b.c} ; "
                                                 ":1: Msg=1578 #params=1 {lib/B.C}}}"});
}

}  // namespace
