#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "options/TextFile.h"
#include "options/VariableSubstitution.h"
#include "options/ViaTokenizer.h"

namespace {

// The words of `content` read as a via file, with the messages it printed.
struct Tokenized {
  std::vector<std::string> words;
  std::string messages;
};

Tokenized tokenize(const std::string& content) {
  std::string buffer = content;  // fmemopen wants a writable buffer
  zum::File file(::fmemopen(buffer.data(), buffer.size(), "rb"));
  if (buffer.empty()) file.reset(::fopen("/dev/null", "rb"));
  std::ostringstream messages;
  zum::ViaTokenizer tokenizer(file.get(), messages);
  Tokenized result;
  std::string word;
  while (tokenizer.next(word)) result.words.push_back(word);
  result.messages = messages.str();
  return result;
}

using Words = std::vector<std::string>;

}  // namespace

TEST(ViaTokenizer, WhiteSpaceSeparatesAndBackslashIsOrdinary) {
  EXPECT_EQ(tokenize("  -op\tout\r\n f.c  c:\\dir\\g.c\n\n").words, (Words{"-op", "out", "f.c", "c:\\dir\\g.c"}));
  EXPECT_EQ(tokenize("").words, Words{});
  EXPECT_EQ(tokenize("last-line-without-newline").words, Words{"last-line-without-newline"});
}

TEST(ViaTokenizer, CommentLinesAreSkippedWhole) {
  EXPECT_EQ(tokenize("* f.c g.c\na.c * b.c\n  * c.c\n").words, (Words{"a.c", "*", "b.c", "*", "c.c"}));
  // A continued comment line is skipped with its continuation.
  EXPECT_EQ(tokenize("* one \\\ntwo\nthree\n").words, Words{"three"});
}

TEST(ViaTokenizer, BackslashNewlineJoinsLines) {
  EXPECT_EQ(tokenize("-d\\\nFOO\n").words, Words{"-dFOO"});
  EXPECT_EQ(tokenize("a \\\n\\\nb\n").words, (Words{"a", "b"}));
  // Only a backslash right before the newline continues.
  EXPECT_EQ(tokenize("a\\ \nb\n").words, (Words{"a\\", "b"}));
  EXPECT_EQ(tokenize("a\\\r\nb\n").words, Words{"ab"});
}

TEST(ViaTokenizer, QuotesKeepWhiteSpaceAndEndAtTheLine) {
  EXPECT_EQ(tokenize("\"a b\"c 'd \"e' x\"\"y\n").words, (Words{"a bc", "d \"e", "xy"}));
  // An open quote ends with its line; the word goes on unless white space follows.
  EXPECT_EQ(tokenize("\"abc\ndef ghi\n").words, (Words{"abcdef", "ghi"}));
  EXPECT_EQ(tokenize("\"abc\n def\n").words, (Words{"abc", "def"}));
  EXPECT_EQ(tokenize("'open at the end").words, Words{"open at the end"});
  // An empty quoted word is an empty argument, which ends its source.
  EXPECT_EQ(tokenize("a \"\" b\n").words, (Words{"a", "", "b"}));
}

TEST(ViaTokenizer, VariablesAreSubstitutedPerLine) {
  ::setenv("ZUM_TEST_DIR", "/x y", 1);
  ::unsetenv("ZUM_TEST_UNSET");
  EXPECT_EQ(tokenize("$ZUM_TEST_DIR/a ${ZUM_TEST_DIR}/b\n").words, (Words{"/x", "y/a", "/x", "y/b"}));
  EXPECT_EQ(tokenize("\"$ZUM_TEST_DIR/a\"\n").words, Words{"/x y/a"});
  EXPECT_EQ(tokenize("$$ZUM_TEST_DIR a$ZUM_TEST_UNSET.c $ b$\n").words, (Words{"$ZUM_TEST_DIR", "a.c", "$", "b$"}));
  // Variables in comments are never looked at.
  const Tokenized comment = tokenize("* ${BROKEN\n");
  EXPECT_TRUE(comment.words.empty());
  EXPECT_EQ(comment.messages, "");
}

TEST(ViaTokenizer, LongLinesArriveIn1023BytePieces) {
  // A piece that starts with "*" is a comment although its line is not.
  const std::string first(1023, 'a');
  EXPECT_EQ(tokenize(first + "* x\n").words, Words{first});
  EXPECT_EQ(tokenize(first + "b c\n").words, (Words{first + "b", "c"}));
  // A reference cut by the piece boundary is badly formed.
  const Tokenized cut = tokenize(std::string(1021, ' ') + "${HOME}\n");
  EXPECT_EQ(cut.words, Words{"HOME}"});
  EXPECT_NE(cut.messages.find("Badly formed"), std::string::npos);
  // A backslash at the end of a piece without its newline joins nothing.
  EXPECT_EQ(tokenize(std::string(1022, ' ') + "\\\nb\n").words, (Words{"\\", "b"}));
}

TEST(VariableSubstitution, FormsAndLiteralDollars) {
  ::setenv("ZUM_TEST_V", "val", 1);
  std::ostringstream messages;
  EXPECT_EQ(zum::substituteVariables("${ZUM_TEST_V}x $ZUM_TEST_Vx $$ $-\n", messages), "valx  $ $-\n");
  EXPECT_EQ(zum::substituteVariables("${}", messages), "");
  EXPECT_EQ(messages.str(), "");
  EXPECT_EQ(zum::substituteVariables("a${ZUM_TEST_V\n", messages), "a\n");
  EXPECT_EQ(messages.str(), "\nERROR: Badly formed variable substitution:\n\ta${ZUM_TEST_V\n");
}

TEST(OptionTextLines, JoinsContinuationsAndKeepsNewlines) {
  std::string text = "one\\\ntwo\r\nthree";
  zum::File file(::fmemopen(text.data(), text.size(), "rb"));
  zum::TextLineReader lines(file.get());
  std::string line;
  ASSERT_TRUE(lines.read(line));
  EXPECT_EQ(line, "onetwo\n");
  ASSERT_TRUE(lines.read(line));
  EXPECT_EQ(line, "three");
  EXPECT_FALSE(lines.read(line));
}
