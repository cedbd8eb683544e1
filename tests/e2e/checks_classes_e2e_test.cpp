// The checks of C++ classes through a whole run, each finding beside the
// twin that must not be reported: unused default constructors (1700),
// implicit copy functions nothing uses (1701, 1702), specialisations away
// from their template (1730) and definitions at several places (1750).
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::definedAt;
using moduletest::messageList;
using moduletest::messagesOf;
using moduletest::ProjectRun;

namespace {

// The marked spelling of an empty parameter list in a name.
const std::string kNoParameters = "\x8E\x8F";

// widget.h, as both sources see it: Widget derives from Base, Gadget holds
// a Part by value, Gizmo and Secret (private) have default constructors,
// Holder has a member of class Member.
const std::string kWidgetHeader =
    "<DEFINE> Base widget.h 1 I DC TG F X {cBase} -\n"
    "<DEFINE> Base::@constructor() widget.h 2 I DC OF C X ()vd 1\n"
    "<DEFINE> Widget widget.h 4 I DC TG F X {cWidget} -\n"
    "<R>B Base Widget 4 -\n"
    "<DEFINE> Widget::@constructor() widget.h 5 I DC OF C X ()vd 1\n"
    "<DEFINE> Widget::@constructor(int) widget.h 6 I DC OF C X (ni)vd 1\n"
    "<DEFINE> Part widget.h 8 I DC TG F X {cPart} -\n"
    "<DEFINE> Part::@constructor() widget.h 9 I DC OF C X ()vd 1\n"
    "<DEFINE> Gadget widget.h 11 I DC TG F X {cGadget} -\n"
    "<R>V Gadget Part 12 -\n"
    "<DEFINE> Gadget::@constructor() widget.h 13 I DC OF C X ()vd 1\n"
    "<DEFINE> Gizmo widget.h 15 I DC TG F X {cGizmo} -\n"
    "<DEFINE> Gizmo::@constructor() widget.h 16 I DC OF C X ()vd 1\n"
    "<DEFINE> Secret widget.h 18 I DC TG F X {cSecret} -\n"
    "<DEFINE> Secret::@constructor() widget.h 19 I DC OF C X ()vd 3\n"
    "<DEFINE> Member widget.h 21 I DC TG F X {cMember} -\n"
    "<DEFINE> Member::@constructor() widget.h 22 I DC OF C X ()vd 1\n"
    "<DEFINE> Holder widget.h 24 I DC TG F X {cHolder} -\n"
    "<DEFINE> Holder::m_member widget.h 25 I DC MB C N {cMember} 3\n";

class DefaultConstructors : public ::testing::Test {
 protected:
  DefaultConstructors() : project_("") {
    project_.writeMetricFile("widget.cpp", kWidgetHeader +
                                               "<DEFINE> Base::@constructor() widget.cpp 3 N DF OF C X ()vd 1\n"
                                               "<DEFINE> Widget::@constructor() widget.cpp 5 N DF OF C X ()vd 1\n"
                                               "<DEFINE> Widget::@constructor(int) widget.cpp 7 N DF OF C X (ni)vd 1\n"
                                               "<DEFINE> Part::@constructor() widget.cpp 9 N DF OF C X ()vd 1\n"
                                               "<DEFINE> Gadget::@constructor() widget.cpp 11 N DF OF C X ()vd 1\n"
                                               "<DEFINE> Gizmo::@constructor() widget.cpp 13 N DF OF C X ()vd 1\n"
                                               "<DEFINE> Secret::@constructor() widget.cpp 15 N DF OF C X ()vd 3\n"
                                               "<DEFINE> Member::@constructor() widget.cpp 17 N DF OF C X ()vd 1\n");
  }
  void writeMain(const std::string& body) {
    project_.writeMetricFile("main.cpp", kWidgetHeader +
                                             "<DEFINE> main() main.cpp 3 N DC OF F X ()ni -\n"
                                             "<DEFINE> main() main.cpp 3 N DF OF F X ()ni -\n" +
                                             body);
  }
  std::vector<std::string> findings() {
    return messagesOf(project_.runSimple("ZEKPP", {"widget.cpp", "main.cpp"}).findings, 1700);
  }
  static std::string unused(int line, const std::string& className) {
    return "widget.cpp:" + std::to_string(line) + ": Msg=1700 #params=1 {" + className + "::@constructor" +
           kNoParameters + "}";
  }

  ProjectRun project_;
};

// Base is built by Widget's constructors, Part as Gadget's member, Member
// as Holder's; Gizmo's is called; Secret's is private. Nothing builds a
// Widget or a Gadget.
TEST_F(DefaultConstructors, OneNobodyCallsAllocatesOrBuildsAsAPartIsReported) {
  writeMain("<R>C main() Gizmo::@constructor() 5 -\n<R>C main() Widget::@constructor(int) 6 -\n");
  EXPECT_EQ(findings(), (std::vector<std::string>{unused(5, "Widget"), unused(11, "Gadget")}));
}

TEST_F(DefaultConstructors, AllocatingTheClassWithPlainOrArrayNewUsesIt) {
  writeMain(
      "<R>C main() Gizmo::@constructor() 5 -\n<ALLOC> Widget plain main.cpp 6 9\n"
      "<ALLOC> Gadget array main.cpp 7 9\n");
  EXPECT_EQ(findings(), std::vector<std::string>{});
  // An allocation of the old kind builds nothing.
  writeMain(
      "<R>C main() Gizmo::@constructor() 5 -\n<ALLOC> Widget old main.cpp 6 9\n"
      "<ALLOC> Gadget plain main.cpp 7 9\n");
  EXPECT_EQ(findings(), std::vector<std::string>{unused(5, "Widget")});
}

TEST_F(DefaultConstructors, AnObjectOfTheClassOrAConstructorCalledByAConstructorUsesIt) {
  // An extern object of class Widget; Gadget's constructor built from another constructor.
  writeMain(
      "<DEFINE> g_widget main.cpp 1 N DC OV F X {cWidget} -\n<R>C main() Gizmo::@constructor() 5 -\n"
      "<EXTV> main() g_widget 5\n<R>C Gizmo::@constructor() Gadget::@constructor() 16 -\n");
  EXPECT_EQ(findings(), std::vector<std::string>{});
}

// Money and Wallet (holding a Money by value) have implicit copy functions;
// Point is POD and Pair an aggregate.
class ImplicitCopies : public ::testing::Test {
 protected:
  ImplicitCopies() : project_("") {}

  std::vector<std::string> findings(const std::string& calls) {
    project_.writeMetricFile(
        "a.cpp",
        "<DEFINE> Money money.h 1 I DC TG F X {cMoney} -\n<DEFINE> Money money.h 1 I DF TG F X {cMoney} -\n"
        "<DEFINE> Money::@constructor(,Money&) money.h 1 I DI OF C X (&{cMoney})vd 5\n"
        "<DEFINE> Money::=@(Money&) money.h 1 I DI OF C X (&{cMoney})&{cMoney} 5\n"
        "<DEFINE> Wallet money.h 5 I DC TG F X {cWallet} -\n<DEFINE> Wallet money.h 5 I DF TG F X {cWallet} -\n"
        "<R>V Wallet Money 6 -\n"
        "<DEFINE> Wallet::@constructor(,Wallet&) money.h 5 I DI OF C X (&{cWallet})vd 5\n"
        "<DEFINE> Wallet::=@(Wallet&) money.h 5 I DI OF C X (&{cWallet})&{cWallet} 5\n"
        "<DEFINE> Point money.h 9 I DC TG F X {sPoint} -\n<DEFINE> Point money.h 9 I DF TG F X {sPoint} D\n"
        "<DEFINE> Point::@constructor(,Point&) money.h 9 I DI OF C X (&{sPoint})vd 5\n"
        "<DEFINE> Point::=@(Point&) money.h 9 I DI OF C X (&{sPoint})&{sPoint} 5\n"
        "<DEFINE> Pair money.h 12 I DC TG F X {sPair} -\n<DEFINE> Pair money.h 12 I DF TG F X {sPair} A\n"
        "<DEFINE> Pair::@constructor(,Pair&) money.h 12 I DI OF C X (&{sPair})vd 5\n"
        "<DEFINE> main() a.cpp 3 N DC OF F X ()ni -\n<DEFINE> main() a.cpp 3 N DF OF F X ()ni -\n" +
            calls);
    auto r = project_.runSimple("ZEKPP", {"a.cpp"});
    std::vector<std::string> found = messagesOf(r.findings, 1701);
    for (const std::string& line : messagesOf(r.findings, 1702)) found.push_back(line);
    return found;
  }

  ProjectRun project_;
};

TEST_F(ImplicitCopies, NoneIsUsedEveryOneOfAClassThatIsNeitherPodNorAggregateIsReported) {
  EXPECT_EQ(findings(""), (std::vector<std::string>{
                              "money.h:1: Msg=1701 #params=1 {Money}", "money.h:5: Msg=1701 #params=1 {Wallet}",
                              "money.h:1: Msg=1702 #params=1 {Money}", "money.h:5: Msg=1702 #params=1 {Wallet}"}));
}

TEST_F(ImplicitCopies, CopyingAClassUsesTheCopyFunctionsOfWhatItHolds) {
  EXPECT_EQ(
      findings("<R>C main() Wallet::@constructor(,Wallet&) 4 -\n"),
      (std::vector<std::string>{"money.h:1: Msg=1702 #params=1 {Money}", "money.h:5: Msg=1702 #params=1 {Wallet}"}));
  // A held class's own copy does not use its holder's.
  EXPECT_EQ(findings("<R>C main() Money::=@(Money&) 4 -\n"),
            (std::vector<std::string>{"money.h:1: Msg=1701 #params=1 {Money}", "money.h:5: Msg=1701 #params=1 {Wallet}",
                                      "money.h:5: Msg=1702 #params=1 {Wallet}"}));
}

// Box<T> is defined in box.h; its explicit specialisations and the
// instantiation of its member are in box.h and in other files.
TEST(TemplateDefinitions, ASpecialisationAwayFromItsTemplateListsTheTemplate) {
  ProjectRun project("");
  const std::string box =
      "<DEFINE> Box<T> box.h 3 I DC TG F X {cBox<T>} -\n<DEFINE> Box<T> box.h 3 I DF TG F X {cBox<T>} -\n"
      "<DEFINE> Box<T>::get() box.h 4 I DF OF C X ()T I\n"
      "<DEFINE> Box<bool> box.h 10 I DX TG F X {cBox<bool>} -\n";
  project.writeMetricFile("a.cpp", box +
                                       "<DEFINE> Box<int> a.cpp 4 N DX TG F X {cBox<int>} -\n"
                                       "<DEFINE> Box<int>::get() a.cpp 6 N DX OF C X ()ni I\n");
  project.writeMetricFile("b.cpp", box);
  const auto r = project.runSimple("ZEKPP", {"a.cpp", "b.cpp"});
  EXPECT_EQ(messagesOf(r.findings, 1730),
            (std::vector<std::string>{
                "a.cpp:4: Msg=1730 #params=1 {" + messageList({"box.h:3: Msg=1597 #params=1 {Box}"}) + "}",
                "a.cpp:6: Msg=1730 #params=1 {" +
                    messageList({"box.h:4: Msg=1597 #params=1 {Box::get" + kNoParameters + "}"}) + "}"}));
}

// twice(int) is defined inline in both sources; clamp(int) inline in a
// header both include; plain(int) is no inline function.
TEST(TemplateDefinitions, AnInlineFunctionOrTypeDefinedAtTwoPlacesListsBoth) {
  ProjectRun project("");
  const std::string shared =
      "<DEFINE> clamp(int) util.h 2 I DC OF F X (ni)ni I\n"
      "<DEFINE> clamp(int) util.h 2 I DF OF F X (ni)ni I\n";
  project.writeMetricFile("a.cpp", shared +
                                       "<DEFINE> twice(int) a.cpp 3 N DC OF F X (ni)ni I\n"
                                       "<DEFINE> twice(int) a.cpp 3 N DF OF F X (ni)ni I\n"
                                       "<DEFINE> plain(int) a.cpp 5 N DC OF F X (ni)ni -\n"
                                       "<DEFINE> plain(int) a.cpp 5 N DF OF F X (ni)ni -\n"
                                       "<DEFINE> Node a.cpp 7 N DC TG F X {cNode} -\n"
                                       "<DEFINE> Node a.cpp 7 N DF TG F X {cNode} -\n");
  project.writeMetricFile("b.cpp", shared +
                                       "<DEFINE> twice(int) b.cpp 5 N DC OF F X (ni)ni I\n"
                                       "<DEFINE> twice(int) b.cpp 5 N DF OF F X (ni)ni I\n"
                                       "<DEFINE> plain(int) b.cpp 8 N DC OF F X (ni)ni -\n"
                                       "<DEFINE> plain(int) b.cpp 8 N DF OF F X (ni)ni -\n"
                                       "<DEFINE> Node b.cpp 9 N DC TG F X {cNode} -\n"
                                       "<DEFINE> Node b.cpp 9 N DF TG F X {cNode} -\n");
  const auto r = project.runSimple("ZEKPP", {"a.cpp", "b.cpp"});
  const std::string twice = "twice\x8Eint\x8F";
  EXPECT_EQ(
      messagesOf(r.findings, 1750),
      (std::vector<std::string>{":1: Msg=1750 #params=2 {" + twice + ", " +
                                    messageList({definedAt("a.cpp:3", twice), definedAt("b.cpp:5", twice)}) + "}",
                                ":1: Msg=1750 #params=2 {Node, " +
                                    messageList({definedAt("a.cpp:7", "Node"), definedAt("b.cpp:9", "Node")}) + "}"}));
}

}  // namespace
