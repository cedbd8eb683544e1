// The format language: lexing with its errors, every directive's output and
// condition value, conditions and groups, the line layout, and parameters
// in message texts.
#include <gtest/gtest.h>

#include <string>

#include "messages/Diagnostic.h"
#include "messages/FormatEvaluator.h"
#include "messages/FormatLexer.h"
#include "messages/LineLayout.h"
#include "messages/MessageText.h"
#include "messages_test_support.h"

using messagestest::file;

namespace {

// A diagnostic with its message text, rendered against a remembered place.
struct Case {
  U_Handle<M_Diagnostic> diagnostic = U_make<M_Diagnostic>(7, U_Location(file("/p/src/a.c", "src/a.c"), 12, 5));
  int level = 3;
  std::string text = "Value %2s of %1s";
  std::string secondText = "Try %1s.";
  int depth = 0;
  U_Location previous;
  bool keepSlashes = true;
  int tabStop = 8;

  std::string render(const std::string& format) const {
    const FM_Subject subject{*diagnostic, level, text, secondText, depth, previous, keepSlashes, tabStop};
    return FM_render(FM_lexFormat(format), subject).text;
  }
};

// The text of the FM_ParseException a format raises ("" when none).
std::string parseError(const std::string& format) {
  try {
    FM_lexFormat(format);
  } catch (const FM_ParseException& error) {
    return error.what();
  }
  return "";
}

}  // namespace

TEST(FormatLexer, TokensOfEachKind) {
  const FM_TokenList tokens = FM_lexFormat("a%?u>=1%(%w40%:%i(  )%)%R(%c,-)");
  EXPECT_EQ(FM_readableTokens(tokens),
            "<29 \"a\"> <0 %?> <21 %u> <36 \">=\"> <37 1> <2 %(> <22 %w> <37 40> <1 %:> <25 %i \"  \"> <3 %)> "
            "<28 %R \"-\"> <13 %c>");
  // Condition forms of F, C, v; literal percent signs.
  EXPECT_EQ(FM_readableTokens(FM_lexFormat("%?F%(%)%?C%(%)%?v%(%)")),
            "<0 %?> <10 %F> <2 %(> <3 %)> <0 %?> <15 %C> <2 %(> <3 %)> <0 %?> <18 %v> <2 %(> <3 %)>");
  EXPECT_EQ(FM_readableTokens(FM_lexFormat("%%%x%")), "<29 \"%\"> <29 \"%x\"> <29 \"%\">");
}

TEST(FormatLexer, EveryErrorIsAParseException) {
  EXPECT_EQ(parseError("%R("), "Error in format string 'Unexpected end'");
  EXPECT_EQ(parseError("ab%L cd"), "Error in format string '%L cd'");
  EXPECT_EQ(parseError("%?u==0%(A"), "Error in format string 'Unexpected end'");
  EXPECT_EQ(parseError("%?"), "Error in format string 'Unexpected end'");
  EXPECT_EQ(parseError("%?t%(x%)"), "Error in format string 't%(x%)'");
  EXPECT_EQ(parseError("%?q%(x%)"), "Error in format string 'q%(x%)'");
  EXPECT_EQ(parseError("%?u=1%(%)"), "Error in format string '=1%(%)'");
  EXPECT_EQ(parseError("%?u==%(%)"), "Error in format string '%(%)'");
  EXPECT_EQ(parseError("%?u x"), "Error in format string ' x'");
  EXPECT_EQ(parseError("x%)"), "Error in format string '%)'");
  EXPECT_EQ(parseError("%(a%:b%)"), "Error in format string '%:b%)'");
  EXPECT_EQ(parseError("%?u%(a%:b%:c%)"), "Error in format string '%:c%)'");
  EXPECT_EQ(parseError("%w"), "Error in format string 'Unexpected end'");
  EXPECT_EQ(parseError("%wx"), "Error in format string 'x'");
  EXPECT_EQ(parseError("%i x)"), "Error in format string ' x)'");
  EXPECT_EQ(parseError("%i(x"), "Error in format string 'Unexpected end'");
  EXPECT_EQ(parseError("%R(%t,x)"), "Error in format string '%t,x)'");
  EXPECT_EQ(parseError("%R(%c x)"), "Error in format string ' x)'");
  EXPECT_EQ(parseError("%R(c,x)"), "Error in format string 'c,x)'");

  FM_ParseException error("%L");
  std::ostringstream printed;
  error.print(printed);
  EXPECT_EQ(printed.str(), "Error in format string at :%L");
}

TEST(FormatEvaluator, DirectiveOutput) {
  Case c;
  c.diagnostic->addString("a");
  c.diagnostic->addString("b");
  EXPECT_EQ(c.render("%g|%n|%N|%f|%F|%B|%l|%c|%C|%t|%v|%h%u%q%Q|%%"),
            "3|7|0007|src/a.c|/p/src/a.c|a.c|12|5|4|Value b of a|Try a.||%");
  EXPECT_EQ(c.render("%R(%c,ab)|%R(%u,x)|%R(%C, )^"), "ababababab||    ^");

  c.keepSlashes = false;
  EXPECT_EQ(c.render("%f %F %B"), "src\\a.c \\p\\src\\a.c a.c");

  // The "HL" file and line stand in for the plain ones.
  c.keepSlashes = true;
  c.diagnostic = U_make<M_Diagnostic>(
      7, U_Location(file("/p/a.c", "a.c"), 3, 0).withHLLoc(file("/p/gen/b.y", "gen/b.y"), 40));
  EXPECT_EQ(c.render("%f:%l:%c %B"), "gen/b.y:40:0 b.y");

  // Without a location.
  c.diagnostic = U_make<M_Diagnostic>(1540);
  EXPECT_EQ(c.render("[%f:%l:%c]%^"), "[:0:0]");
}

TEST(FormatEvaluator, CaretLine) {
  Case c;
  EXPECT_EQ(c.render("%^"), "    ^\n");
  // A diagnostic of a message list gets its caret only on the remembered line.
  c.depth = 1;
  EXPECT_EQ(c.render("%^"), "");
  c.previous = U_Location(file("/p/src/a.c", "src/a.c"), 12, 1);
  EXPECT_EQ(c.render("%^"), "    ^\n");
  c.previous = U_Location(file("/p/src/b.c", "b.c"), 12, 5);
  EXPECT_EQ(c.render("%^"), "");
  c.diagnostic = U_make<M_Diagnostic>(7, U_Location(file("/p/a.c", "a.c"), 1, 0));
  c.depth = 0;
  EXPECT_EQ(c.render("%^"), "");
}

TEST(FormatEvaluator, ConditionValuesAndOperators) {
  Case c;
  c.diagnostic->setError(true);
  const std::string yesNo = "%(Y%:N%)";
  auto holds = [&](const std::string& condition) { return c.render("%?" + condition + yesNo); };
  EXPECT_EQ(holds("g==3"), "Y");
  EXPECT_EQ(holds("n!=7"), "N");
  EXPECT_EQ(holds("l>11"), "Y");
  EXPECT_EQ(holds("l<12"), "N");
  EXPECT_EQ(holds("c<=5"), "Y");
  EXPECT_EQ(holds("c>=6"), "N");
  EXPECT_EQ(holds("u>-1"), "Y");
  EXPECT_EQ(holds("h"), "Y");
  EXPECT_EQ(holds("v"), "Y");
  EXPECT_EQ(holds("u"), "N");
  c.secondText.clear();
  EXPECT_EQ(holds("v"), "N");

  // Line modes are visible to later conditions.
  EXPECT_EQ(c.render("%?w%(1%)%w9%?w%(2%)%?W%(3%)%W9%?W%(4%)%s9%?s%(5%)"), "245");

  // Changes against the remembered place: all true while nothing is remembered.
  EXPECT_EQ(c.render("%?F%(F%)%?L%(L%)%?C%(C%)"), "FLC");
  c.previous = U_Location(file("/p/src/a.c", "x"), 12, 5);
  EXPECT_EQ(c.render("%?F%(F%)%?L%(L%)%?C%(C%)"), "");
  c.previous = U_Location(file("/p/src/a.c", "x"), 12, 1);
  EXPECT_EQ(c.render("%?F%(F%)%?L%(L%)%?C%(C%)"), "C");
  c.previous = U_Location(file("/p/src/a.c", "x"), 2, 5);
  EXPECT_EQ(c.render("%?F%(F%)%?L%(L%)%?C%(C%)"), "LC");
  c.previous = U_Location(file("/p/b.c", "x"), 12, 5);
  EXPECT_EQ(c.render("%?F%(F%)%?L%(L%)%?C%(C%)"), "FLC");
}

TEST(FormatEvaluator, NestingGroupsAndDepth) {
  Case c;
  const std::string format = "%?u==0%(A%:B%)";
  EXPECT_EQ(c.render(format), "A");
  c.depth = 1;
  EXPECT_EQ(c.render(format), "B");
  EXPECT_EQ(c.render("<%(x%(y%)%)>%?u%(%?l==12%(in%?c==1%(no%:yes%)%)%:out%)"), "<xy>inyes");
  // A line mode in a branch not taken is not set.
  EXPECT_EQ(c.render("%?u==0%(%s1%)abc"), "abc");
  EXPECT_EQ(c.render("%?u==1%(%s1%)abc"), "a");
}

TEST(FormatEvaluator, AbsurdCountsStayBounded) {
  Case c;
  c.diagnostic = U_make<M_Diagnostic>(7, U_Location(file("/p/a.c", "a.c"), 2000000000, 2000000000));
  EXPECT_EQ(c.render("%R(%l,ab)%R(%c,ab)").size(), std::size_t{1} << 20);
  EXPECT_EQ(c.render("%^").size(), (std::size_t{1} << 20) + 2);
  FM_LineLayout layout{FM_LineMode::kHardBreaks, 1, std::string(100, '-'), 8};
  EXPECT_LE(FM_layOut(std::string(1 << 18, 'x'), layout).size(), kMaxLayoutLength + 101);
}

TEST(LineLayout, CutAndBreaks) {
  FM_LineLayout layout;
  EXPECT_EQ(FM_layOut("abcdef", layout), "abcdef");
  layout.mode = FM_LineMode::kCut;
  layout.width = 3;
  EXPECT_EQ(FM_layOut("abcdef", layout), "abc");

  layout.mode = FM_LineMode::kHardBreaks;
  layout.width = 4;
  layout.continuation = "> ";
  EXPECT_EQ(FM_layOut("abcdefghij\nabcde", layout), "abcd\n> ef\n> gh\n> ij\nabcd\n> e");
  layout.width = 0;
  EXPECT_EQ(FM_layOut("abcdef", layout), "abcdef");

  // A tab goes to the next multiple of the tab stop and never breaks.
  layout.width = 6;
  layout.continuation = "";
  layout.tabStop = 4;
  EXPECT_EQ(FM_layOut("a\tbc\td", layout), "a\tbc\t\nd");
  layout.tabStop = 0;  // counts as 1
  EXPECT_EQ(FM_layOut("\t\t\t\t\t\tab", layout), "\t\t\t\t\t\t\nab");

  layout.mode = FM_LineMode::kBlankBreaks;
  layout.width = 10;
  layout.continuation = "  ";
  // After a break the count starts again at the length of the continuation
  // text, whatever moved to the new line with the blank.
  EXPECT_EQ(FM_layOut("one two three four five", layout), "one two\n  three\n  four five");
  // No blank after the continuation text: a hard break.
  EXPECT_EQ(FM_layOut("abcdefghijklmno", layout), "abcdefghij\n  klmno");
}

TEST(MessageText, ParameterSubstitution) {
  M_Diagnostic d(1);
  d.addString("a");
  d.addString("b");
  EXPECT_EQ(M_substituteParameters("Value %2s of %1s", d), "Value b of a");
  EXPECT_EQ(M_substituteParameters("%s %0s %3s", d), "a a {parameter 3 not available}");
  EXPECT_EQ(M_substituteParameters("50%% done %d %0d %12x %", d), "50%% done %d %d %12x %");
  EXPECT_EQ(M_substituteParameters("a\\nb\\tc\\\\d\\q\\", d), "a\nb\tc\\dq");
  EXPECT_EQ(M_substituteParameters("%99999999999999999999s", M_Diagnostic(1)).substr(0, 11), "{parameter ");
  d.addStringList({"x", "y"});
  EXPECT_EQ(M_substituteParameters("%3s", d), "List={x,y}");
}
