// DEFINE records: fields and codes, qualified-name markers and name parts,
// and how the symbol table files defines and which events it raises.
#include <sstream>
#include <string>
#include <vector>

#include "anlsrslt/model/Define.h"
#include "anlsrslt/model/DefineReader.h"
#include "anlsrslt/model/FieldScanner.h"
#include "anlsrslt/model/QualifiedName.h"
#include "anlsrslt/model/Symbol.h"
#include "model_test_support.h"
#include "settings_test_support.h"

using namespace modeltest;

namespace {

std::string markedName(const std::string& raw) {
  std::string out;
  zum::markQualifiedName(raw, out);
  return readable(out.c_str());
}

class DefineTest : public ModelTest {
 protected:
  // Reads `lines` as the metric file of a.c with the symbol events registered.
  void readDefines(const std::string& lines, const std::string& source = "a.c") {
    registerSymbolEvents();
    writeMetricFile(source, lines);
    readSource(source);
  }
  PI_DefineHandle onlyDefine() {
    std::vector<PI_SymbolHandle> symbols = allSymbols();
    EXPECT_EQ(symbols.size(), 1u);
    return symbols.empty() ? nullptr : PI_getSymbolCurrentDefine(symbols[0]);
  }
};

}  // namespace

// The fields of a DEFINE line in the readers' order, "|" between them; a
// file name may be quoted, one-character fields may be glued to the next
// field, and a line with a field missing is no record.
TEST(DefineRecordFields, AreReadInOrder) {
  const auto fields = [](std::string_view line) -> std::string {
    const auto text = P_splitDefineRecord(line);
    if (!text) return "no record";
    std::ostringstream out;
    out << text->qualName << '|' << text->file << '|' << text->line << '|' << text->position << '|'
        << text->defineCode << '|' << text->spaceCode << '|' << text->scope << '|' << text->linkage << '|'
        << text->type << '|' << text->flags;
    return out.str();
  };
  EXPECT_EQ(fields("<DEFINE> ns::f(int) \"my dir/a b.h\" 12 I DF FF S X (ni)->v IV"),
            "ns::f(int)|my dir/a b.h|12|I|DF|FF|S|X|(ni)->v|IV");
  EXPECT_EQ(fields("<DEFINE> x a.c 1 NDC -V FN ni -"), "x|a.c|1|N|DC|-V|F|N|ni|-");
  for (const char* missing : {"<DEFINE> x a.c 1 N DC -V F N ni", "<DEFINE> x a.c",
                              "<DEFINE> x a.c 99999999999 N DC -V F N ni -", "<DEFINE>"})
    EXPECT_EQ(fields(missing), "no record") << missing;
}

TEST(FieldScanner, FieldsEndAtEveryKindOfBlankAndOnlyThere) {
  // Fields of every length, ended by each blank at every offset of a
  // word; control and high bytes that are no blanks stay inside a field.
  const std::string blanks = " \t\n\r\v\f";
  const std::string inside = std::string("a\x01\x1f!\x7f\x80\x8c\xa0\xff") + '\0';
  for (std::size_t length = 1; length <= 19; ++length) {
    for (char blank : blanks) {
      std::string field;
      for (std::size_t i = 0; i < length; ++i) field += inside[(i * 7 + length) % inside.size()];
      const std::string line = " " + field + blank + "next" + blank;
      zum::FieldScanner scan(line);
      EXPECT_EQ(scan.token(), field) << length << " " << int(blank);
      EXPECT_EQ(scan.token(), "next");
      EXPECT_EQ(scan.token(), "");
    }
  }
}

TEST(DefineRecordFieldsDeathTest, MalformedCodesAreAssertions) {
  EXPECT_DEATH(P_splitDefineRecord("<DEFINE> x a.c 1 N DCX -V F N ni -"),
               "Assertion at DefineRecord:[0-9]+: Assertion 'def.size \\(\\) == 2' failed.");
  EXPECT_DEATH(P_splitDefineRecord("<DEFINE> x a.c 1 N XC -V F N ni -"),
               "Assertion at DefineRecord:[0-9]+: Assertion 'def\\[0\\] == 'D'' failed.");
  EXPECT_DEATH(P_splitDefineRecord("<DEFINE> x a.c 1 N DC V F N ni -"),
               "Assertion at DefineRecord:[0-9]+: Assertion 'space.size \\(\\) == 2' failed.");
}

// Only the outermost lists of each component are marked; special and opaque
// "@" parts, operators and unclosed lists are no lists of their own, and
// marking a marked name changes nothing.
TEST(QualifiedNames, MarkOnlyTheOutermostListsOfEachComponent) {
  EXPECT_EQ(markedName("f(int,char)"), "f(int,char)");
  const std::pair<std::string_view, std::string> cases[] = {
      {"f(int,char)", "f\x8Eint\x90" "char\x8F"},
      {"A<int,B<c,d>>::g(std::map<a,b>,x)", "A\x8Cint,B<c,d>\x8D::g\x8Estd::map<a,b>\x90x\x8F"},
      {"f(int (*)(a,b))::x", "f\x8Eint (*)(a,b)\x8F::x"},
      {"A::@constructor(A&)", "A::@constructor\x8E" "A&\x8F"},
      {"::@UN12ab::f()", "::@UN12ab::f\x8E\x8F"},
      {"A::@lambda(x)::y@::z(q)", "A::@lambda(x)::y@::z\x8Eq\x8F"},
      {"{unnamed::x}::f(a)", "{unnamed::x}::f\x8E" "a\x8F"},
      {"A::operator<(A,A)", "A::operator<\x8E" "A\x90" "A\x8F"},
      {"A::operator()(int)", "A::operator()\x8Eint\x8F"},
      {"A::operator<<(A)", "A::operator<<\x8E" "A\x8F"},
      // No operator symbol: the parenthesis opens the parameter list (this
      // name once kept the reader in a loop).
      {"A::operator(x)", "A::operator\x8Ex\x8F"},
      {"f(int", "f\x8Eint"},
      {"A<x", "A\x8Cx"},
      {"@abc", "@abc"},
      {std::string_view("a\0b::c", 6), std::string("a\0b::c", 6)},
      {"plain::name", "plain::name"},
  };
  for (const auto& [raw, marked] : cases) {
    std::string once;
    std::string twice;
    zum::markQualifiedName(raw, once);
    zum::markQualifiedName(once, twice);
    EXPECT_EQ(once, marked) << raw;
    EXPECT_EQ(twice, once) << raw;
  }
}

TEST(QualifiedNames, TheLastComponentSplitsAtTheLastSeparatorOutsideListsBracesAndAtParts) {
  const auto split = [](std::string_view name) {
    const zum::NameSplit parts = zum::splitLastComponent(name);
    return std::string(parts.scope) + "|" + std::string(parts.component);
  };
  // Plain names, including runs of colons, each separator taking two.
  EXPECT_EQ(split("count"), "|count");
  EXPECT_EQ(split("a::b::c"), "a::b|c");
  EXPECT_EQ(split("::c"), "|c");
  EXPECT_EQ(split("a::"), "a|");
  EXPECT_EQ(split(":::"), "|:");
  EXPECT_EQ(split("a:::b"), "a|:b");
  EXPECT_EQ(split("a::::b"), "a::|b");
  EXPECT_EQ(split("a:b::c:d"), "a:b|c:d");
  EXPECT_EQ(split("very_long_namespace_name::another_long_scope::x"), "very_long_namespace_name::another_long_scope|x");
  // Separators inside lists, braces and opaque parts do not count; special
  // "@" components read like identifiers.
  EXPECT_EQ(split("f\x8E" "a::b\x8F"), "|f\x8E" "a::b\x8F");
  EXPECT_EQ(split("N::f\x8E" "a::b\x8F::x"), "N::f\x8E" "a::b\x8F|x");
  EXPECT_EQ(split("A\x8Cstd::map\x8D::m"), "A\x8Cstd::map\x8D|m");
  EXPECT_EQ(split("{s1::2}::x"), "{s1::2}|x");
  EXPECT_EQ(split("N::@opaque::part@::x"), "N::@opaque::part@|x");
  EXPECT_EQ(split("N::@co::x"), "N::@co|x");
}

TEST(QualifiedNames, TheSplitsFoundFromTheEndAreThoseOfTheScan) {
  for (std::string_view name :
       {"count", "a::b::c", "::c", "a::", ":::", "a:::b", "a::::b", "a:b::c:d", "A\x8Cstd::map\x8D::m",
        "N::f\x8E" "a::b\x8F::x", "N::f\x8E" "a::b\x8F", "A\x8Cx::m", "A\x8Dx::m", "A\x8Cx\x8D\x8C::y",
        "A\x90::b", "{s1::2}::x", "a::{s}::x", "N::@opaque::part@::x", "N::@co::x", "a@::b", "N::x\x8C" "a::b\x8D",
        "very_long_namespace_name::another_long_scope\x8CT\x8D::m_items", "N::A\x8C" "a::b\x8D::~x", "N::A::x$1",
        "N::C::@constructor\x8E" "std::size_t\x8F::it", "N::C::@de\x8E\x8F::rc", "@co::x", "@zz::x", "N::@zz@::x",
        "N::a@b::x", "N:::@co::x", "N::f\x8E@zz::q\x8F::x", "a::b@::x", "N::C::f\x8E" "a::b*\x90{x::y\x8F",
        "N::C::f\x8E\x8F", "f\x8E" "a::b\x8F", "N::f\x8E" "a\x8F\x8F", "N::f\x8E" "a\x8C" "b\x8D\x8F", "N::\x8E\x8F",
        "A\x8Cx::f\x8E\x8F", "N::@co\x8E\x8F::f\x8Ei\x8F", "{s1::2}::f\x8E\x8F", "N::C\x8CT\x8D::f\x8E" "T::U\x8F",
        "N::C::@constructor\x8E" "a::b\x8F", "N::C::@zz\x8E\x8F", "N::C::x@co\x8E\x8F", "N:::@co\x8E\x8F",
        "f\x8Ei\x90j\x8F", "f\x8E{a::b}\x8F", "@co\x8E\x8F", "\x8E\x8F", "@zz\x8E\x8F", "f\x8E" "a\x8F::g\x8E\x8F::x",
        "f\x8Ei\x8F::x", "f\x8Ei\x8F::@BL1::x", "x", "", "f\x8E@zz::q\x8F", "f\x8E" "a\x8F\x8F::x", "a\x8F::x",
        "abcdefgh::x", "abcdefgh:::x", "abcdefgh::::x", "abcdefghij:x", "::abcdefgh", "abcdefgh::", "abcdefgh:",
        ":::abcdefgh", "abcdefghijklmnopq", "a::bcdefghijklmnop", "abc;:;:;::;;x", "ab::cdefgh:;::x;", "f::@BL1::counter"}) {
    const zum::NameSplit scanned = zum::splitLastComponentByScan(name);
    EXPECT_EQ(zum::scopeOfName(name), scanned.scope) << name;
    EXPECT_EQ(zum::splitLastComponent(name).scope, scanned.scope) << name;
    EXPECT_EQ(zum::splitLastComponent(name).component, scanned.component) << name;
  }
}

TEST(QualifiedNames, SymbolKeyDropsOnlyATrailingTemplateList) {
  std::string out;
  zum::markQualifiedName("A<int>", out);
  EXPECT_EQ(zum::symbolKeyText(out), "A");
  zum::markQualifiedName("A<int>::f()", out);
  EXPECT_EQ(zum::symbolKeyText(out), out);
}

TEST_F(DefineTest, NamePartsOfAFunctionKeepTheirMarkers) {
  readDefines("<DEFINE> ns::A<T>::get<U>(U,int) a.h 3 I DC FF C X (U)->v -\n");
  PI_DefineHandle def = onlyDefine();
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(readable(PI_getDefineScope(def)), "ns::A<T>");
  EXPECT_EQ(readable(PI_getDefineUnqualName(def)), "get<U>(U,int)");
  EXPECT_EQ(readable(PI_getDefineIdentifier(def)), "get<U>");
  EXPECT_EQ(readable(PI_getDefineSimpleIdentifier(def)), "get");
  EXPECT_EQ(readable(PI_getDefineTemplateParameters(def)), "<U>");
  EXPECT_TRUE(PI_isTemplateOrSpecialisation(def));
  EXPECT_STREQ(P_getDefineQualNameNoTemplateArgs(def), marked("ns::A::get(U,int)").c_str());
  // Cached: the same pointers again.
  EXPECT_EQ(PI_getDefineScope(def), PI_getDefineScope(def));
  EXPECT_EQ(PI_getDefineIdentifier(def), PI_getDefineIdentifier(def));
}

// And "main" only with external linkage.
TEST_F(DefineTest, NamePartsOfAVariable) {
  readDefines("<DEFINE> f(int)::count a.c 3 N DC -V B N ni -\n<DEFINE> g a.c 9 N DC -V F N ni -\n"
              "<DEFINE> main() a.c 1 N DC FF F X ()->ni -\n<DEFINE> ns::main() a.c 2 N DC FF S I ()->ni -\n");
  PI_DefineHandle count = PI_getSymbolCurrentDefine(symbolNamed("f(int)::count"));
  EXPECT_EQ(readable(PI_getDefineScope(count)), "f(int)");
  EXPECT_STREQ(PI_getDefineUnqualName(count), "count");
  EXPECT_STREQ(PI_getDefineTemplateParameters(count), "");
  EXPECT_FALSE(PI_isTemplateOrSpecialisation(count));
  PI_DefineHandle g = PI_getSymbolCurrentDefine(symbolNamed("g"));
  EXPECT_STREQ(PI_getDefineScope(g), "");
  EXPECT_FALSE(PI_isDefineMain(g));
  EXPECT_TRUE(PI_isDefineMain(PI_getSymbolCurrentDefine(symbolNamed("main()"))));
  EXPECT_FALSE(PI_isDefineMain(PI_getSymbolCurrentDefine(symbolNamed("ns::main()"))));
}

TEST_F(DefineTest, FieldsAndFlagsReachTheQueries) {
  readDefines("<DEFINE> S::m \"x y.h\" 7 I DC -B C X ni SDA25GT\n");
  PI_DefineHandle def = onlyDefine();
  EXPECT_STREQ(PI_getDefineFilename(def), "x y.h");
  EXPECT_EQ(PI_getDefineLine(def), 7);
  EXPECT_STREQ(PI_getDefineType(def), "ni");
  EXPECT_TRUE(PI_isDefineInHeader(def));
  EXPECT_TRUE(PI_isDefineVariable(def));
  EXPECT_TRUE(PI_isDefineMember(def));
  EXPECT_TRUE(PI_hasDefineClassScope(def));
  EXPECT_TRUE(PI_hasDefineExternalLinkage(def));
  EXPECT_TRUE(PI_hasDefineStaticStorage(def));
  EXPECT_TRUE(PI_isDefinePOD(def));
  EXPECT_TRUE(PI_isDefineAggregate(def));
  EXPECT_TRUE(PI_isDefineExplicitProtected(def));
  EXPECT_TRUE(PI_isDefineImplicitPublic(def));
  EXPECT_TRUE(P_hasDefineFlagG(def));
  EXPECT_TRUE(P_hasDefineFlagT(def));
  EXPECT_FALSE(P_hasDefineFlagU(def));
  EXPECT_FALSE(PI_isDefineInline(def));
  EXPECT_FALSE(PI_isDefineFunctionParameter(def));
}

TEST_F(DefineTest, TagTypesTellClassStructUnionAndEnum) {
  readDefines(
      "<DEFINE> C a.c 1 N DC TG F X {cC} -\n"
      "<DEFINE> S a.c 2 N DC TG F X {sS} -\n"
      "<DEFINE> U a.c 3 N DC TG F X {uU} -\n"
      "<DEFINE> E a.c 4 N DC TG F X {eE} -\n"
      "<DEFINE> bits a.c 5 N DC -B C N ub -\n");
  auto def = [](const char* name) { return PI_getSymbolCurrentDefine(symbolNamed(name)); };
  EXPECT_TRUE(PI_isDefineClass(def("C")));
  EXPECT_TRUE(PI_isDefineClass(def("S")));
  EXPECT_TRUE(PI_isDefineStruct(def("S")));
  EXPECT_FALSE(PI_isDefineStruct(def("C")));
  EXPECT_TRUE(PI_isDefineUnion(def("U")));
  EXPECT_FALSE(PI_isDefineClass(def("U")));
  EXPECT_FALSE(PI_isDefineClass(def("E")));
  EXPECT_TRUE(PI_isDefineTag(def("E")));
  // An enum tag is always declared and defined where it stands.
  EXPECT_TRUE(PI_isDefineDefinition(def("E")));
  EXPECT_TRUE(PI_isDefineBitfield(def("bits")));
  EXPECT_FALSE(PI_isDefineBitfield(def("C")));
}

TEST_F(DefineTest, ATagWithoutATagTypeIsAnAssertion) {
  readDefines("<DEFINE> T a.c 1 N DC TG F X long -\n<DEFINE> V a.c 2 N DC TG F X {s} -\n");
  EXPECT_DEATH(PI_isDefineClass(PI_getSymbolCurrentDefine(symbolNamed("T"))),
               "Assertion at DefineRecord:[0-9]+: Assertion ''\\{' == \\*type && \"We must have a value type "
               "name here\"' failed.");
  EXPECT_DEATH(PI_isDefineStruct(PI_getSymbolCurrentDefine(symbolNamed("V"))),
               "Assertion 'strlen \\(type\\) > 3 && \"We must have length greater than 3 for class tag types\"'");
}

TEST_F(DefineTest, DefinitionWithoutDeclarationIsRepairedAndReportedUnderItsSwitch) {
  testing::internal::CaptureStdout();
  readDefines("<DEFINE> g() a.c 3 N DF FF F X ()->v -\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  SetUp();  // a fresh run
  publishSettings([](C_RunSettings& s) { s.showSymbolErrors = true; });
  testing::internal::CaptureStdout();
  readDefines("<DEFINE> g() a.c 3 N DF FF F X ()->v -\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Missing 'DC' for " + marked("g()") + "\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol g()@a.c:3"}));
  PI_DefineHandle g = onlyDefine();
  EXPECT_TRUE(PI_isDefineDeclaration(g));
  EXPECT_TRUE(PI_isDefineDefinition(g));
}

TEST_F(DefineTest, DeclarationsOfAnEarlierSourceDoNotServeALaterDefinition) {
  registerSymbolEvents();
  writeMetricFile("a.c", "<DEFINE> x a.h 1 I DC -V F X ni -\n");
  writeMetricFile("b.c", "<DEFINE> x b.c 4 N DF -V F X ni -\n");
  readSources({"a.c", "b.c"});
  // The per-source map was emptied: the definition becomes a declaration
  // of its own and meets the first one only through the project map.
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol x@a.h:1", "ProjRedecl x@b.c:4"}));
}

TEST_F(DefineTest, DefinitionAtTheDeclarationsPlaceIsMergedIntoIt) {
  readDefines(
      "<DEFINE> f() a.c 4 N DC FF F X ()->v -\n"
      "<DEFINE> f() a.c 4 N DF FF F X ()->v I\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol f()@a.c:4", "Definition f()@a.c:4"}));
  std::vector<PI_DefineHandle> defines = definesOf(allSymbols()[0]);
  ASSERT_EQ(defines.size(), 1u);
  EXPECT_TRUE(PI_isDefineDeclaration(defines[0]));
  EXPECT_TRUE(PI_isDefineDefinition(defines[0]));
  EXPECT_TRUE(PI_isDefineInline(defines[0]));
  EXPECT_TRUE(PI_hasDefineSameLocation(defines[0], PI_getSymbolCurrentDefine(allSymbols()[0])));
}

TEST_F(DefineTest, RedeclarationsAreFiledUnderTheDefineTheyRedeclare) {
  readDefines(
      "<DEFINE> a a.c 1 N DC -V F X [?,ni] -\n"
      "<DEFINE> a a.c 2 N DR -V F X [10,ni] -\n"
      "<DEFINE> a a.c 3 N DR -V F X [10,ni] -\n"
      "<DEFINE> b a.c 4 N DC -V F X ni -\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol a@a.c:1", "NewSymbol b@a.c:4"}));
  PI_SymbolHandle a = symbolNamed("a");
  PI_DefineHandle first = definesOf(a)[0];
  ASSERT_TRUE(PI_hasSymbolDefineRedeclList(a, first));
  std::vector<std::string> redecls;
  for (int it = PI_getSymbolDefineFirstRedecl(a, first); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it))
    redecls.push_back(describe(PI_getDefineIterData(it)));
  EXPECT_EQ(redecls, (std::vector<std::string>{"a@a.c:2", "a@a.c:3"}));
  EXPECT_TRUE(P_isDefineRedeclaration(PI_getDefineIterData(PI_getSymbolDefineFirstRedecl(a, first))));
  EXPECT_EQ(definesOf(a).size(), 1u);
  // Asking for redeclarations that do not exist is an assertion.
  PI_SymbolHandle b = symbolNamed("b");
  EXPECT_FALSE(PI_hasSymbolDefineRedeclList(b, definesOf(b)[0]));
  EXPECT_DEATH(PI_getSymbolDefineFirstRedecl(b, definesOf(b)[0]),
               "Assertion at P_Symbol:[0-9]+: Assertion 'iter != m_redeclList.end \\(\\) && \"We have no "
               "redeclarations for this symbol/define\"' failed.");
}

TEST_F(DefineTest, ImplicitMembersAreDeclaredFirstAndDefinedAfter) {
  readDefines(
      "<DEFINE> A::@constructor() a.c 1 N DI FF C X ()->v -\n"
      "<DEFINE> A::@constructor() a.c 9 N DI FF C X ()->v -\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol A::@constructor()@a.c:1",
                                                "Definition A::@constructor()@a.c:9"}));
  std::vector<PI_DefineHandle> defines = definesOf(allSymbols()[0]);
  ASSERT_EQ(defines.size(), 2u);
  EXPECT_TRUE(PI_isDefineImplicit(defines[0]));
  EXPECT_FALSE(PI_isDefineDefinition(defines[0]));
  EXPECT_TRUE(PI_isDefineDefinition(defines[1]));
}

TEST_F(DefineTest, LabelsAreCompleteAndMacrosGetSymbolsOfTheirOwn) {
  readDefines(
      "<DEFINE> f()::done a.c 5 N DC LB N - - -\n"
      "<DEFINE> MAX a.c 1 N DF -M F - - O\n"
      "<DEFINE> MAX a.c 1 N DF -M F - - O\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol f()::done@a.c:5", "Definition MAX@a.c:1",
                                                "Definition MAX@a.c:1"}));
  EXPECT_EQ(allSymbols().size(), 3u);
  PI_DefineHandle label = PI_getSymbolCurrentDefine(allSymbols()[0]);
  EXPECT_TRUE(PI_isDefineLabel(label));
  EXPECT_TRUE(PI_isDefineDeclaration(label));
  EXPECT_TRUE(PI_isDefineDefinition(label));
  EXPECT_TRUE(PI_isDefineObjectMacro(PI_getSymbolCurrentDefine(allSymbols()[1])));
}

TEST_F(DefineTest, ASpecialisationIsFiledLikeADeclaration) {
  readDefines(
      "<DEFINE> A<T> a.h 1 I DC TG F X {cA} -\n"
      "<DEFINE> A<int> a.h 9 I DS TG F X {cA} -\n");
  EXPECT_EQ(events(), (std::vector<std::string>{"NewSymbol A<T>@a.h:1", "ProjRedecl A<int>@a.h:9"}));
  EXPECT_TRUE(PI_isDefineSpecialisation(definesOf(allSymbols()[0])[1]));
}

TEST_F(DefineTest, WithoutDefineRegistrationNothingIsFiled) {
  PI_configureOnSource(&recordSource);
  P_configureOnDefine(&recordDefine);  // plain define callbacks alone read nothing
  writeMetricFile("a.c", "<DEFINE> f() a.c 1 N DC FF F X ()->v -\n");
  readSource("a.c");
  int it = PI_getFirstSymbol();
  EXPECT_TRUE(PI_isSymbolIterEnd(it));
  EXPECT_EQ(PI_getSymbolIterData(it), nullptr);
  EXPECT_EQ(events(), (std::vector<std::string>{"Source a.c"}));
}
