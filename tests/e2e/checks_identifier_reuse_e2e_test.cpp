// Identifier reuse across linkages through a whole run: one unqualified
// name for objects and functions of different linkage or storage (1525 to
// 1529, 1720, 1721), beside what is no reuse: automatic variables of one
// name in two functions, a function parameter, a static inline function of
// a header that two sources include.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::entity;
using moduletest::ProjectRun;

namespace {

std::string declared(const std::string& at, const std::string& name) {
  return at + ": Msg=1594 #params=1 {" + entity(name) + "}";
}
std::string reuse(int message, std::initializer_list<std::string> entries) {
  return ":1: Msg=" + std::to_string(message) + " #params=1 {" + moduletest::messageList(entries) + "}";
}

std::vector<std::string> reuseFindings(const std::vector<std::string>& findings) {
  std::vector<std::string> selected;
  for (const std::string& line : findings) {
    const int number = moduletest::numbersOf({line}).front();
    if ((number >= 1525 && number <= 1529) || number == 1720 || number == 1721) selected.push_back(line);
  }
  return selected;
}

TEST(IdentifierReuse, EveryNameWithLinkageOrStaticStorageAndItsMessagesInOrder) {
  ProjectRun project("identifierreuse");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c", "c.cpp"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(reuseFindings(r.findings),
            (std::vector<std::string>{
                // A global function and a static one; the parameter h1::f is not counted.
                reuse(1525, {declared("a.c:3", "f"), declared("b.c:3", "f")}),
                reuse(1527, {declared("a.c:4", "g"), declared("b.c:4", "g")}),
                reuse(1526, {declared("a.c:5", "n"), declared("b.c:11", "h2::n")}),
                reuse(1528, {declared("a.c:6", "t"), declared("b.c:14", "h2::t")}),
                // One name, three messages, in their order.
                reuse(1525, {declared("a.c:7", "x"), declared("b.c:7", "x")}),
                reuse(1526, {declared("a.c:7", "x"), declared("b.c:15", "h2::x")}),
                reuse(1528, {declared("b.c:7", "x"), declared("b.c:15", "h2::x")}),
                // A static local and an automatic variable; the automatic i
                // of h1 and h2 are no reuse.
                reuse(1529, {declared("a.c:12", "h1::s"), declared("b.c:13", "h2::s")}),
                reuse(1720, {declared("c.cpp:2", "::@UN1::u"), declared("c.cpp:4", "u")}),
                reuse(1721, {declared("c.cpp:5", "::@UN1::w"), declared("c.cpp:9", "k::w")}),
            }));
}

}  // namespace
