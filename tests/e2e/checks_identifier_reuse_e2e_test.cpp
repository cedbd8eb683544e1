// Identifier reuse across linkages through a whole run: one unqualified
// name for objects and functions of different linkage or storage (1525 to
// 1529, 1720, 1721), beside what is no reuse: automatic variables of one
// name in two functions, a function parameter, a static inline function of
// a header that two sources include.
#include <gtest/gtest.h>

#include "ProjectRun.h"

using moduletest::declaredAt;
using moduletest::ProjectRun;

namespace {

std::string reuse(int message, std::initializer_list<std::string> entries) {
  return ":1: Msg=" + std::to_string(message) + " #params=1 {" + moduletest::messageList(entries) + "}";
}

TEST(IdentifierReuse, EveryNameWithLinkageOrStaticStorageAndItsMessagesInOrder) {
  ProjectRun project("identifierreuse");
  const auto r = project.runSimple("ZEK", {"a.c", "b.c", "c.cpp"}, {"-debug", "sort-messages"});
  EXPECT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.err, "");
  EXPECT_EQ(moduletest::messagesOf(r.findings, {1525, 1526, 1527, 1528, 1529, 1720, 1721}),
            (std::vector<std::string>{
                // A global function and a static one; the parameter h1::f is not counted.
                reuse(1525, {declaredAt("a.c:3", "f"), declaredAt("b.c:3", "f")}),
                reuse(1527, {declaredAt("a.c:4", "g"), declaredAt("b.c:4", "g")}),
                reuse(1526, {declaredAt("a.c:5", "n"), declaredAt("b.c:11", "h2::n")}),
                reuse(1528, {declaredAt("a.c:6", "t"), declaredAt("b.c:14", "h2::t")}),
                // One name, three messages, in their order.
                reuse(1525, {declaredAt("a.c:7", "x"), declaredAt("b.c:7", "x")}),
                reuse(1526, {declaredAt("a.c:7", "x"), declaredAt("b.c:15", "h2::x")}),
                reuse(1528, {declaredAt("b.c:7", "x"), declaredAt("b.c:15", "h2::x")}),
                // A static local and an automatic variable; the automatic i
                // of h1 and h2 are no reuse.
                reuse(1529, {declaredAt("a.c:12", "h1::s"), declaredAt("b.c:13", "h2::s")}),
                reuse(1720, {declaredAt("c.cpp:2", "::@UN1::u"), declaredAt("c.cpp:4", "u")}),
                reuse(1721, {declaredAt("c.cpp:5", "::@UN1::w"), declaredAt("c.cpp:9", "k::w")}),
            }));
}

}  // namespace
