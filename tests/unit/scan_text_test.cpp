// The text work of zum-scan that its fixture project does not reach:
// literal tokens cut into number and suffix, quoted literals, words of the
// list file that zum must read back unchanged, suppression comments.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "core/ListFile.h"
#include "core/LiteralText.h"
#include "core/Suppressions.h"
#include "options/TextFile.h"
#include "options/ViaTokenizer.h"

namespace {

using scan::splitNumber;
using scan::splitQuoted;

std::string parts(std::string_view token) {
  const scan::NumberParts p = splitNumber(token);
  return std::string(p.number) + "|" + std::string(p.suffix) + "|" + p.form;
}

std::string quoted(std::string_view token) {
  const scan::QuotedParts p = splitQuoted(token);
  return std::string(p.text) + "|" + p.kind;
}

TEST(ScanLiteralText, NumbersAndTheirSuffixes) {
  EXPECT_EQ(parts("42"), "42||D");
  EXPECT_EQ(parts("0"), "0||D");
  EXPECT_EQ(parts("0755"), "0755||O");
  EXPECT_EQ(parts("42UL"), "42|UL|D");
  EXPECT_EQ(parts("42llu"), "42|llu|D");
  // Hex digits are not suffixes; binary and the sized suffixes.
  EXPECT_EQ(parts("0xFFu"), "0xFF|u|H");
  EXPECT_EQ(parts("0XabcdefLL"), "0Xabcdef|LL|H");
  EXPECT_EQ(parts("0b1010"), "0b1010||B");
  EXPECT_EQ(parts("10i64"), "10|i64|D");
  EXPECT_EQ(parts("10ui64"), "10|ui64|D");
  // Floating: a decimal point or an exponent; "f" and "L" are suffixes,
  // except inside a hex float's digits.
  EXPECT_EQ(parts("3.14f"), "3.14|f|F");
  EXPECT_EQ(parts("1e-6L"), "1e-6|L|F");
  EXPECT_EQ(parts("0x1.8p3f"), "0x1.8p3|f|F");
  EXPECT_EQ(parts("2."), "2.||F");
}

TEST(ScanLiteralText, CharactersAndStrings) {
  EXPECT_EQ(quoted("'a'"), "'a'|C-");
  EXPECT_EQ(quoted("'\\n'"), "'\\n'|CE");
  EXPECT_EQ(quoted("\"a b\""), "\"a b\"|S-");
  EXPECT_EQ(quoted("\"say \\\"hi\\\"\""), "\"say \\\"hi\\\"\"|SE");
  // L stays (zum reads it); u8, u and U go, as zum would cut a text that
  // starts with them at its first blank.
  EXPECT_EQ(quoted("L\"wide text\""), "L\"wide text\"|SW");
  EXPECT_EQ(quoted("u8\"a b\""), "\"a b\"|S-");
  EXPECT_EQ(quoted("U'x'"), "'x'|CW");
}

// The list file is read by zum's own via-file reader: every word must come
// back as it was, blanks, quotes and dollar signs included.
TEST(ScanListFile, ZumReadsBackEveryWordAndTheDirectorySwitchesWhereItChanges) {
  const std::vector<scan::ListEntry> entries = {{"/p/a.c", "/out"},
                                                {"/p/my src/b.c", "/out"},
                                                {"/p/x/$HOME'it's'.c", "/out/x y"},
                                                {"/p/\"quoted\" \\name.c", "/out"}};
  const std::string text = scan::makeListFile({"made by zum-scan", "  zum ZEK -cmaf out/project"}, entries);
  EXPECT_EQ(text.substr(0, text.find("\"/p/my")),
            "* made by zum-scan\n*   zum ZEK -cmaf out/project\n-outputpath /out\n/p/a.c\n");
  std::string buffer = text;
  zum::File file(::fmemopen(buffer.data(), buffer.size(), "rb"));
  std::ostringstream messages;
  zum::ViaTokenizer tokenizer(file.get(), messages);
  std::vector<std::string> words;
  for (std::string word; tokenizer.next(word);) words.push_back(word);
  EXPECT_EQ(words, (std::vector<std::string>{"-outputpath", "/out", "/p/a.c", "/p/my src/b.c", "-outputpath",
                                             "/out/x y", "/p/x/$HOME'it's'.c", "-outputpath", "/out",
                                             "/p/\"quoted\" \\name.c"}));
  EXPECT_EQ(messages.str(), "");
}

TEST(ScanSuppressions, DirectivesTheirRangesAndRegions) {
  std::string problem;
  auto directive = scan::parseSuppressionComment("/** zum: suppress 1503, 1504-1505 1510 keep it */", problem);
  ASSERT_TRUE(directive) << problem;
  EXPECT_EQ(directive->text, "zum: suppress 1503, 1504-1505 1510 keep it");
  EXPECT_EQ(directive->ranges, (std::vector<scan::MessageRange>{{"1503", "1503"}, {"1504", "1505"}, {"1510", "1510"}}));
  EXPECT_FALSE(scan::parseSuppressionComment("// a remark about zum: suppress", problem));
  EXPECT_EQ(problem, "");
  EXPECT_FALSE(scan::parseSuppressionComment("// zum: suppress all", problem));
  EXPECT_EQ(problem, "'all' is not a message number or range");

  scan::SuppressionCollector collector;
  collector.add("a.c", 3, 1, 3, *scan::parseSuppressionComment("/* zum: suppress-begin 1500 */", problem));
  collector.add("a.c", 5, 9, 6, *scan::parseSuppressionComment("/* zum: suppress 1503\n */", problem));
  collector.add("h.h", 2, 1, 2, *scan::parseSuppressionComment("// zum: suppress-begin 1502", problem));
  EXPECT_EQ(collector.add("a.c", 9, 1, 9, *scan::parseSuppressionComment("// zum: suppress-end", problem)), "");
  EXPECT_NE(collector.add("a.c", 10, 1, 10, *scan::parseSuppressionComment("// zum: suppress-end", problem)), "");
  const auto regions = collector.finish([](const std::string& file) { return file == "h.h" ? 40 : 0; });
  ASSERT_EQ(regions.size(), 3u);
  EXPECT_EQ(std::make_tuple(regions[0].file, regions[0].firstLine, regions[0].lastLine, regions[0].region),
            std::make_tuple(std::string("a.c"), 3, 9, true));
  EXPECT_EQ(std::make_tuple(regions[1].firstLine, regions[1].lastLine, regions[1].region), std::make_tuple(5, 6, false));
  // Never closed: to the end of its file.
  EXPECT_EQ(std::make_tuple(regions[2].file, regions[2].lastLine), std::make_tuple(std::string("h.h"), 40));
}

}  // namespace
