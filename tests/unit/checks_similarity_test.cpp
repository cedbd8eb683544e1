// The similarity checks: pairs of names that must and must not be found
// for each setting of the normalisation (1710), the message and its list,
// names that agree in their first n characters (1711), and the reading of
// the "close_name" options.
#include <gtest/gtest.h>

#include "checks/IdentifierNormaliser.h"
#include "checks/NameText.h"
#include "checks/SimilarIdentifiers.h"
#include "checks/SimilarityOptions.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using zumtest::declaredAt;
using zumtest::messageList;

namespace {

class Similarity : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureIdentifiersTooSimilar();
    zum::configureIdentifiersSimilarToN();
  }
  void runWith(const std::vector<std::string>& options, const std::map<std::string, std::string>& sources) {
    publishSettings([&options](C_RunSettings& settings) {
      for (const std::string& option : options) settings.moduleOptions.push_back("close_name::" + option);
    });
    runProject(sources);
  }
};

std::string declared(const std::string& name, const std::string& file, int line, char linkage = 'X') {
  return "<DEFINE> " + name + " " + file + " " + std::to_string(line) + " N DC OV F " + linkage + " ni -\n";
}

struct Pair {
  std::vector<std::string> options;
  std::string a;
  std::string b;
  bool similar;
};

TEST_F(Similarity, TheNormalisationFindsThePairsItsSettingsMake) {
  const std::vector<Pair> table = {
      {{}, "counter", "Counter", false},  // no setting: nothing is compared
      {{"any_case+"}, "counter", "Counter", true},
      {{"any_case-"}, "counter", "Counter", false},
      {{"similar=[\"O0\"]"}, "O0x", "00x", true},
      {{"similar=[\"O0\"]"}, "o0x", "00x", false},
      // Case is folded after the translation: 'o' is in no group.
      {{"similar=[\"O0\"]", "any_case+"}, "o0x", "00x", false},
      {{"similar=[\"0\"]"}, "O0x", "00x", false},  // one character is no group
      {{"similar=['Il1', \"O0\"]"}, "Ill0", "I1lO", true},
      // 'b' is in "ab" and "bc" and takes the code of the last: "bc".
      {{"similar=[\"bc\",\"ab\"]"}, "xb", "xc", true},
      {{"similar=[\"bc\",\"ab\"]"}, "xa", "xb", false},
      {{"ignore=[\"_\"]"}, "my_var", "myvar", true},
      {{"ignore=[\"_\"]"}, "my_var", "my__var", true},
      {{"ignore=[\"_\"]"}, "my_var", "myVar", false},
      {{"ignore=[\"_\"]", "any_case+"}, "My_Var", "myvar", true},
      // Removed again and again: "xaabby" loses "ab" twice.
      {{"ignore=[\"ab\"]"}, "xaabby", "xy", true},
      // In byte order: "ab" goes before "c" can join its halves.
      {{"ignore=[\"c\",\"ab\"]"}, "acbx", "x", false},
      {{"ignore=[\"c\"]", "ignore=[\"ab\"]"}, "cabx", "x", true},
      // Stripped before case is folded.
      {{"ignore=[\"x\"]", "any_case+"}, "aXb", "ab", false},
      // Values that are no arrays, and elements that are no strings, count for nothing.
      {{"ignore=\"_\"", "ignore=[1, null]", "similar={\"a\":\"O0\"}"}, "my_var", "myvar", false},
  };
  for (const Pair& row : table) {
    restart();
    runWith(row.options, {{"a.cpp", declared(row.a, "a.cpp", 1) + declared(row.b, "a.cpp", 2)}});
    EXPECT_EQ(countOf(1710), row.similar ? 1u : 0u)
        << row.a << " " << row.b << " " << ::testing::PrintToString(row.options);
  }
}

TEST(IdentifierNormalisation, RemovingInOnePassIsRemovingTheFirstOccurrenceUntilThereIsNone) {
  for (const std::string removed : {"ab", "aba", "aa", "b"}) {
    for (int length = 0; length <= 9; ++length) {
      for (int bits = 0; bits < (1 << length); ++bits) {
        std::string text;
        for (int i = 0; i < length; ++i) text += (bits >> i) & 1 ? 'b' : 'a';
        std::string expected = text;
        for (std::size_t at; (at = expected.find(removed)) != std::string::npos;) expected.erase(at, removed.size());
        zum::removeEveryOccurrence(text, removed);
        ASSERT_EQ(text, expected) << removed;
      }
    }
  }
}

// The quick look that spares 1711 splitting most names never rules out a
// name whose simple identifier is long enough.
TEST(IdentifierNormalisation, TheQuickLookAtANameNeverMissesALongEnoughIdentifier) {
  const std::string alphabet = "a:@\x8C\x8D\x8E\x8F";
  std::string name;
  for (int length = 1; length <= 6; ++length) {
    std::vector<std::size_t> digits(length, 0);
    for (bool more = true; more;) {
      name.clear();
      for (std::size_t digit : digits) name += alphabet[digit];
      const std::string_view identifier = zum::simpleIdentifierIn(name.c_str());
      for (std::size_t n = 1; n <= identifier.size() && identifier.front() != '@'; ++n)
        ASSERT_TRUE(zum::mayHaveSimpleIdentifierOf(name, n)) << name << " " << n;
      more = false;
      for (std::size_t i = 0; i < digits.size() && !more; ++i)
        more = (digits[i] = (digits[i] + 1) % alphabet.size()) != 0;
    }
  }
  EXPECT_FALSE(zum::mayHaveSimpleIdentifierOf("acme::cursor::Range::@constructor\x8E\x8F::g_buildReply", 14));
}

// Two internal my_var, one in each file, and myVar of a header both files
// include.
TEST_F(Similarity, APairListsEachPlaceOfItsSymbolsOnceNamesInByteOrder) {
  const std::string header = declared("myVar", "a.h", 2) + declared("counter", "a.h", 3);
  runWith({"ignore=[\"_\"]", "any_case+"},
          {{"a.cpp", declared("my_var", "a.cpp", 1, 'I') + header + declared("Counter", "a.cpp", 4, 'I')},
           {"b.cpp", header + declared("my_var", "b.cpp", 1, 'I')}});
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            ":1: Msg=1710 #params=3 {Counter, counter, " +
                                messageList({declaredAt("a.h:3", "counter"), declaredAt("a.cpp:4", "Counter")}) + "}",
                            ":1: Msg=1710 #params=3 {myVar, my_var, " +
                                messageList({declaredAt("a.cpp:1", "my_var"), declaredAt("a.h:2", "myVar"),
                                                      declaredAt("b.cpp:1", "my_var")}) + "}",
                        }));
}

TEST_F(Similarity, NamesAgreeingInTheirFirstNCharacters) {
  runWith({"sig_char=9", "sig_char=4"},
          {{"a.cpp", declared("record1", "a.cpp", 1, 'I') + declared("record2", "a.cpp", 2) +
                         declared("rec", "a.cpp", 3) + declared("recurse", "a.cpp", 4) +
                         declared("A::@record", "a.cpp", 5) + declared("x::@{1}@::record3", "a.cpp", 6) +
                         "<DEFINE> recordMade a.cpp 7 N DI OV F X ni -\n"
                         "<DEFINE> recordLast() a.h 8 I DC OF F X ()ni -\n"
                         "<DEFINE> recordLast() a.cpp 9 N DF OF F X ()ni -\n"},
           {"b.cpp", declared("record1", "b.cpp", 1, 'I')}});
  // rec is too short, recurse differs in its fourth character; a name made
  // by the compiler ("@", "@{", an implicit define) is none; the function
  // defined in a.cpp is found by its declaration.
  const auto pair = [](const std::string& a, const std::string& b, std::initializer_list<std::string> places) {
    return ":1: Msg=1711 #params=4 {" + a + ", " + b + ", 4, " + messageList(places) + "}";
  };
  const std::string record1 = declaredAt("a.cpp:1", "record1"), record2 = declaredAt("a.cpp:2", "record2"),
                    last = declaredAt("a.cpp:9", "recordLast()"), other = declaredAt("b.cpp:1", "record1");
  EXPECT_EQ(findings(), (std::vector<std::string>{pair("record1", "record2", {record1, record2, other}),
                                                  pair("record1", "recordLast", {record1, last, other}),
                                                  pair("record2", "recordLast", {record2, last})}));
}

TEST_F(Similarity, WithoutOptionsOnlyNamesOfSixtyFourCharactersAreCompared) {
  const std::string stem(64, 'n');
  for (const std::string option : {"", "sig_char=0", "sig_char=-3", "sig_char=many"}) {
    restart();
    runWith(option.empty() ? std::vector<std::string>{} : std::vector<std::string>{option},
            {{"a.cpp", declared(stem + "1", "a.cpp", 1) + declared(stem + "2", "a.cpp", 2) +
                           declared(stem.substr(1) + "1", "a.cpp", 3) + declared(stem.substr(1) + "2", "a.cpp", 4)}});
    ASSERT_EQ(findings().size(), 1u) << option;
    EXPECT_NE(findings()[0].find(", 64, MsgList="), std::string::npos) << option;
  }
}

}  // namespace
