// The name rule file: mask words and codes, expressions, defaults, every
// error line with its text, and the error file beside the outputs.
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "namecheck/RuleFile.h"
#include "namecheck/RuleReader.h"
#include "options/OptionExceptions.h"

namespace {

using zum::NameRule;
using zum::RuleFileContent;

RuleFileContent readText(const std::string& text) { return zum::readRuleText(text); }

// The one rule of `ruleLine`, which must be good.
NameRule ruleOf(const std::string& ruleLine) {
  RuleFileContent content = readText(ruleLine);
  EXPECT_FALSE(content.failed) << content.errors;
  EXPECT_EQ(content.rules.size(), 1u);
  return content.rules.empty() ? NameRule() : std::move(content.rules.front());
}

// The error text of a rule file of one bad rule on line 3.
std::string errorsOf(const std::string& ruleLine) {
  RuleFileContent content = readText("# naming\n\n" + ruleLine + "\n");
  EXPECT_TRUE(content.failed) << ruleLine;
  EXPECT_TRUE(content.rules.empty());
  return content.errors;
}

// PCRE2's texts for expressions that do not compile: the message, and the
// offset in the expression as written, left-aligned in six places.
const std::string kUnbalanced3 = "unbalanced () at offset 3     ";
const std::string kBadRange3 = "bad range inside [] at offset 3     ";
const std::string kBadRepeat5 = "invalid repeat counts in {} at offset 5     ";
const std::string kUnbalanced1 = "unbalanced () at offset 1     ";

TEST(RuleMasks, WordsAndShortCodesSetTheSameBits) {
  const NameRule words = ruleOf(
      "rule={'inc':'include,main','def':'declaration definition implicit specialisation',"
      "'space':'tag,typedef,function,enumerator,macro,variable,member',"
      "'scope':'file block prototype class template namespace','linkage':'internal,external,none',"
      "'flag':'functionmacro objectmacro inline virtual purevirtual staticmember pod aggregate "
      "functionparameter expublic exprotected exprivate impublic imprivate -'}");
  const NameRule codes = ruleOf(
      "rule={'inc':'I N','def':'DC,DF,DI,DS','space':'TG OT OF OE OM OV MB','scope':'F,B,P,C,T,S',"
      "'linkage':'I X N','flag':'F,O,I,V,P,S,D,A,R,1,2,3,5,7,-'}");
  for (const NameRule* rule : {&words, &codes}) {
    EXPECT_EQ(rule->includeMask, 3u);
    EXPECT_EQ(rule->defineMask, 15u);
    EXPECT_EQ(rule->spaceMask, 127u);
    EXPECT_EQ(rule->scopeMask, 63u);
    EXPECT_EQ(rule->linkageMask, 7u);
    EXPECT_EQ(rule->flagMask, 32767u);
  }
  EXPECT_EQ(ruleOf("rule={'space':'function,variable'}").spaceMask, ruleOf("rule={'space':'OF OV'}").spaceMask);
  EXPECT_EQ(ruleOf("rule={'space':'function,variable'}").spaceMask, 36u);
}

TEST(RuleMembers, DefaultsAndTheValuesThatChangeThem) {
  const RuleFileContent content = readText(
      "# functions start in lower case\n"
      "// any other line is a comment too\n"
      "rule={\"space\":\"function\",\"pattern\":\"^[a-z]\"}\n"
      " rule={'space':'tag'}\n"
      "rule=\n");
  ASSERT_EQ(content.rules.size(), 2u);
  const NameRule& functions = content.rules[0];
  EXPECT_EQ(functions.spaceMask, zum::rulebits::kFunction);
  EXPECT_EQ(functions.message, 4800);
  EXPECT_FALSE(functions.invert);
  EXPECT_TRUE(functions.pattern.regex.matches("foo"));
  EXPECT_FALSE(functions.pattern.regex.matches("Foo"));
  EXPECT_FALSE(functions.type.isSet());
  const NameRule& empty = content.rules[1];
  EXPECT_EQ(empty.spaceMask | empty.includeMask | empty.flagMask, 0u);
  EXPECT_FALSE(empty.pattern.isSet());

  EXPECT_TRUE(ruleOf("rule={'invert':false}").invert);
  EXPECT_EQ(ruleOf("rule={'message':12}").message, 12);
  // A carriage return before the newline is part of the newline.
  EXPECT_EQ(ruleOf("rule={'message':13}\r\n").message, 13);
  const NameRule unnamed = ruleOf("rule={'namespace':'unnamed'}");
  EXPECT_EQ(unnamed.nameSpace.text, "unnamed");
  EXPECT_TRUE(unnamed.nameSpace.regex.matches("::@UN12ab"));
  EXPECT_FALSE(unnamed.nameSpace.regex.matches("ns::@UN1"));
}

TEST(RuleErrors, EachErrorLineWithTheRuleText) {
  struct Case {
    std::string rule;
    std::string errors;
  };
  const Case cases[] = {
      {"rule={'a':1", "Line 3 ERROR: option parsing: unexpected end of input column: 11\n"},
      {"rule={'a':nil}", "Line 3 ERROR: option parsing: unrecognised character column: 10\n"},
      {"rule=[1]", "Line 3 Rule is not a JSON object: [1]\n [1]\n"},
      {"rule=  'text'", "Line 3 Rule is not a JSON object:   'text'\n   'text'\n"},
      {"rule={'space':'function, variable'}", "Line 3 Unknown value ''\n {'space':'function, variable'}\n"},
      {"rule={'flag':'inline,Virtual,x'}",
       "Line 3 Unknown value 'Virtual'\nLine 3 Unknown value 'x'\n {'flag':'inline,Virtual,x'}\n"},
      {"rule={'type':'a(b'}",
       "Line 3 Type Regular expression 'a(b' compile fail: " + kUnbalanced3 + "\n {'type':'a(b'}\n"},
      {"rule={'filename':'[z-a]'}",
       "Line 3 Filename Regular expression '[z-a]' compile fail: " + kBadRange3 + "\n {'filename':'[z-a]'}\n"},
      {"rule={'pattern':'x{2,1}'}",
       "Line 3 Pattern Regular expression 'x{2,1}' compile fail: " + kBadRepeat5 + "\n {'pattern':'x{2,1}'}\n"},
      {"rule={'namespace':'('}", "Line 3 namespace Regular expression '(' compile fail: " + kUnbalanced1 +
                                     " or value is not 'unnamed' \n {'namespace':'('}\n"},
      {"rule={'Pattern':'^a'}", "Line 3 Unknown object member name 'Pattern' with string value ^a\n {'Pattern':'^a'}\n"},
      {"rule={'message':0}", "Line 3 Message number 0 must be greater than zero \n {'message':0}\n"},
      {"rule={'message':-3}", "Line 3 Message number -3 must be greater than zero \n {'message':-3}\n"},
      {"rule={'message':'12'}", "Line 3 Unknown object member name 'message' with string value 12\n {'message':'12'}\n"},
      {"rule={'pattern':5}", "Line 3 Unknown object member name 'pattern' with integer value 5\n {'pattern':5}\n"},
      {"rule={'strict':true}", "Line 3 Unknown object member name 'strict' with boolean value 1\n {'strict':true}\n"},
      {"rule={'strict':false}", "Line 3 Unknown object member name 'strict' with boolean value 0\n {'strict':false}\n"},
      {"rule={'message':1.5}", "Line 3 Unknown value for object member name 'message'\n {'message':1.5}\n"},
      {"rule={'space':null}", "Line 3 Unknown value for object member name 'space'\n {'space':null}\n"},
      {"rule={'space':['tag']}", "Line 3 Unknown value for object member name 'space'\n {'space':['tag']}\n"},
      {"rule={'inc':{}}", "Line 3 Unknown value for object member name 'inc'\n {'inc':{}}\n"},
      // Members are read in byte order of their names, each error told.
      {"rule={'space':'fn','message':0,'Inc':1}",
       "Line 3 Unknown object member name 'Inc' with integer value 1\n"
       "Line 3 Message number 0 must be greater than zero \n"
       "Line 3 Unknown value 'fn'\n {'space':'fn','message':0,'Inc':1}\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(errorsOf(c.rule), c.errors) << c.rule;
}

TEST(RuleErrors, EveryLineIsReadAndTheGoodRulesAreKept) {
  const RuleFileContent content = readText(
      "rule={'message':0}\nrule={'message':7}\nrule=5\nrule={'message':8}");
  EXPECT_TRUE(content.failed);
  ASSERT_EQ(content.rules.size(), 2u);
  EXPECT_EQ(content.rules[1].message, 8);
  EXPECT_EQ(content.errors,
            "Line 1 Message number 0 must be greater than zero \n {'message':0}\n"
            "Line 3 Rule is not a JSON object: 5\n 5\n");
}

TEST(RuleErrors, ABinaryFileOrHugeLinesGiveErrorsNotCrashes) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
  EXPECT_NO_THROW(readText(binary));
  EXPECT_EQ(errorsOf("rule=" + std::string(10 << 20, '[')),
            "Line 3 ERROR: option parsing: nesting too deep column: 517\n");
  EXPECT_EQ(errorsOf("rule={'pattern':'" + std::string(1 << 20, 'a')).substr(0, 48),
            "Line 3 ERROR: option parsing: unexpected end of ");
}

TEST(RuleExpressions, RunawayBacktrackingEndsAsNoMatch) {
  zum::RegularExpression nested;
  ASSERT_FALSE(nested.compile("^(a+)+$"));
  EXPECT_TRUE(nested.matches(std::string(5000, 'a').c_str()));
  EXPECT_FALSE(nested.matches((std::string(5000, 'a') + "!").c_str()));
  zum::RegularExpression unanchored;
  ASSERT_FALSE(unanchored.compile("(a+)+(bx|c)"));
  EXPECT_FALSE(unanchored.matches((std::string(5000, 'a') + "b").c_str()));
  // An expression may set its own limit.
  zum::RegularExpression own;
  ASSERT_FALSE(own.compile("(*LIMIT_MATCH=1000)^(a+)+$"));
  EXPECT_FALSE(own.matches((std::string(30, 'a') + "!").c_str()));
  EXPECT_EQ(own.compile("(*LIMIT_MATCH=99999999999)a"), "pattern error at offset 24    ");
}

// A bad rule file ends the run with its error file (tested end to end);
// where that file cannot be written, the message says no more.
TEST(RuleFileOnDisk, WithoutAnErrorFileTheMessageSaysNoMore) {
  zumtest::ScratchDir scratch("zum-rules");
  try {
    zum::readRuleFile(scratch.write("rules.txt", "rule=[]\n"), scratch.path("no/such/dir").string());
    ADD_FAILURE() << "no configuration error";
  } catch (const C_ConfigurationException& error) {
    EXPECT_STREQ(error.what(), "ERROR: Name Checker syntax error in configuration file.\n");
  }
}

}  // namespace
