// The record lines besides metrics, in the forms the per-source metric
// file readers take, so that a project metric file reads back like the
// metric file of a source.
#include <array>

#include "metricfile/MetricZEK.h"
#include "metricfile_test_support.h"

namespace {

using metricfiletest::file;
using metricfiletest::MetricFileTest;

class MetricRecords : public MetricFileTest {
 protected:
  // The bytes `write` puts into a new metric file.
  template <class Write>
  std::string recordBytes(Write write) {
    M_MetricZEK writer;
    writer.openForSource("records.c", dir());
    write(writer);
    writer.close();
    return readFile(dir() + "/records.c.met");
  }

  static M_DefineRecord define() {
    M_DefineRecord record;
    record.qualifiedName = "ns::f(int)";
    record.file = file("/src/a.c", "a.c");
    record.line = 12;
    record.type = "int(int)";
    return record;
  }
};

TEST_F(MetricRecords, ARelationKindIsNamedBeforeItsFirstRecord) {
  M_RelationRecord calls{M_RelationKind::Calls, "f", "g", {}, {}, 7, 0};
  M_RelationRecord refers{M_RelationKind::RefersTo, "f", "v", {}, {}, 8, M_RelationRead | M_RelationWrite};
  const std::string bytes = recordBytes([&](M_MetricZEK& w) {
    w.relation(calls);
    w.relation(refers);
    w.relation(calls);
  });
  EXPECT_EQ(bytes,
            "<RDEF> C Calls\r\n<R>C f g 7 -\r\n"
            "<RDEF> X Refers-to\r\n<R>X f v 8 RW\r\n"
            "<R>C f g 7 -\r\n");
}

TEST_F(MetricRecords, RelationKindNamesAndTheVirtualFlag) {
  const std::array<std::pair<M_RelationKind, const char*>, 5> kinds{{
      {M_RelationKind::IsBaseOf, "B Is-base-of"},
      {M_RelationKind::HasByReference, "R Has-by-reference"},
      {M_RelationKind::HasByPointer, "P Has-by-pointer"},
      {M_RelationKind::HasByValue, "V Has-by-value"},
      {M_RelationKind::Uses, "U Uses"},
  }};
  for (const auto& [kind, name] : kinds) {
    M_RelationRecord record{kind, "o", "s", {}, {}, 1, M_RelationVirtual};
    const char letter = static_cast<char>(kind);
    EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { w.relation(record); }),
              std::string("<RDEF> ") + name + "\r\n<R>" + letter + " o s 1 V\r\n");
  }
}

TEST_F(MetricRecords, AnIncludeNamesTwoFilesAsShown) {
  M_RelationRecord include{M_RelationKind::Includes, {}, {}, file("/src/a.c", "a.c"), file("/inc/my h.h", "h.h"), 3, 0};
  EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { w.relation(include); }),
            "<RDEF> I Includes\r\n<R>I \\src\\a.c \"\\inc\\my h.h\" 3\r\n");
}

TEST_F(MetricRecords, ExternVariable) {
  EXPECT_EQ(recordBytes([](M_MetricZEK& w) { w.externVariable("f", "counter", 14); }), "<EXTV> f counter 14\r\n");
}

TEST_F(MetricRecords, DefineLinesHaveElevenFieldsInTheReadersOrder) {
  M_DefineRecord record = define();
  record.code = M_DefineCode::Definition;
  record.linkage = M_Linkage::Internal;
  record.flags = M_DefineInline | M_DefineStaticStorage;
  EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { w.defineFunction(record); }),
            "<DEFINE> ns::f(int) \\src\\a.c 12 N DF -F F I int(int) IS\r\n");
}

TEST_F(MetricRecords, EachDefineOperationHasItsSpaceCode) {
  using Op = void (M_MetricZEK::*)(const M_DefineRecord&);
  const std::array<std::pair<Op, const char*>, 10> ops{{
      {&M_MetricZEK::defineTag, "TG"},
      {&M_MetricZEK::defineTypedef, "-T"},
      {&M_MetricZEK::defineFunction, "-F"},
      {&M_MetricZEK::defineVariable, "-V"},
      {&M_MetricZEK::defineParameter, "-V"},
      {&M_MetricZEK::defineMember, "-B"},
      {&M_MetricZEK::defineEnumerator, "-E"},
      {&M_MetricZEK::defineMacro, "-M"},
      {&M_MetricZEK::defineLabel, "LB"},
      {&M_MetricZEK::defineOther, "--"},
  }};
  const M_DefineRecord record = define();
  for (const auto& [operation, space] : ops) {
    const Op op = operation;
    const std::string flags = op == &M_MetricZEK::defineParameter ? "R" : "-";
    EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { (w.*op)(record); }),
              std::string("<DEFINE> ns::f(int) \\src\\a.c 12 N DC ") + space + " F X int(int) " + flags + "\r\n")
        << space;
  }
}

TEST_F(MetricRecords, DefineCodesScopesLinkagesAndHeaderPosition) {
  M_DefineRecord record = define();
  record.inMainFile = false;
  record.code = M_DefineCode::Implicit;
  record.scope = M_DefineScope::Class;
  record.linkage = M_Linkage::NotApplicable;
  record.type = "";
  EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { w.defineMember(record); }),
            "<DEFINE> ns::f(int) \\src\\a.c 12 I DI -B C - - -\r\n");
}

TEST_F(MetricRecords, EveryDefineFlagHasItsLetterInBitOrder) {
  M_DefineRecord record = define();
  record.flags = 0x1FFFF;
  EXPECT_EQ(recordBytes([&](M_MetricZEK& w) { w.defineOther(record); }),
            "<DEFINE> ns::f(int) \\src\\a.c 12 N DC -- F X int(int) FOIVPSDAR12357GTU\r\n");
}

TEST_F(MetricRecords, AControlGraphIsItsFunctionEdgesAndNodes) {
  const std::array<int, 3> nodes{10, 11, 14};
  const std::string bytes = recordBytes([&](M_MetricZEK& w) {
    w.controlGraphFunction("f");
    w.controlGraphEdge(0, 1);
    w.controlGraphEdge(1, 2);
    w.controlGraphNodes(nodes);
    w.controlGraphFunction("g");
    w.controlGraphNodes({});
  });
  EXPECT_EQ(bytes, "<CTLG> f 1\r\n<CTLG> 0 1\r\n<CTLG> 1 2\r\n<CTLGN> 10 11 14\r\n<CTLG> g 1\r\n<CTLGN>\r\n");
}

TEST_F(MetricRecords, Allocations) {
  const XF_Filename a = file("/src/a.c", "a.c");
  const std::string bytes = recordBytes([&](M_MetricZEK& w) {
    w.allocation("p", M_AllocKind::Plain, a, 4, 9);
    w.allocation("q", M_AllocKind::Array, a, 5, 1);
    w.allocation("r", M_AllocKind::Old, a, 6, 2);
  });
  EXPECT_EQ(bytes,
            "<ALLOC> p plain \\src\\a.c 4 9\r\n<ALLOC> q array \\src\\a.c 5 1\r\n<ALLOC> r old \\src\\a.c 6 2\r\n");
}

TEST_F(MetricRecords, ExceptionSpecifications) {
  const std::string bytes = recordBytes([](M_MetricZEK& w) {
    w.throwsType("f", "E1");
    w.throwType("f", "E2");
    w.catchType("f", "E3", "h");
  });
  EXPECT_EQ(bytes, "<THROWS> f E E1\r\n<THROWS> f T E2\r\n<THROWS> f C E3 h\r\n");
}

TEST_F(MetricRecords, APragmaKeepsItsWholeText) {
  EXPECT_EQ(recordBytes([](M_MetricZEK& w) { w.pragma(file("/a.c", "a.c"), 2, "pack(push, 1)"); }),
            "<PRAGMA> \\a.c 2 pack(push, 1)\r\n");
}

TEST_F(MetricRecords, LocationsOfNamedItems) {
  const XF_Filename a = file("/src/a.c", "a.c");
  const std::string bytes = recordBytes([&](M_MetricZEK& w) {
    w.itemLocation("x", a, 3, 4);
    w.itemFile("y", a);
    w.itemFileValue("z", a, 17);
  });
  EXPECT_EQ(bytes, "<LOC> x \\src\\a.c 3 4\r\n<LOC> y \\src\\a.c\r\n<LOC> z \\src\\a.c 17\r\n");
}

TEST_F(MetricRecords, MessageLine) {
  EXPECT_EQ(recordBytes([](M_MetricZEK& w) { w.message("first", "second"); }), "<MSG> first second\r\n");
}

TEST_F(MetricRecords, ALiteralHasTwelveFieldsAndKeepsBlanksInsideItsQuotes) {
  M_LiteralRecord text;
  text.text = "\"a b\"";
  text.file = file("/src/a.c", "a.c");
  text.line = 5;
  text.column = 9;
  text.base = M_LiteralBase::String;
  text.form = M_LiteralForm::Escaped;
  text.type = "char[4]";
  text.scope = M_DefineScope::Block;
  text.context = M_LiteralContext::ArrayInitialiser;

  M_LiteralRecord number;
  number.text = "0x10";
  number.suffix = "UL";
  number.sign = M_LiteralSign::Negative;
  number.file = file("/inc/h.h", "h.h");
  number.line = 1;
  number.column = 2;
  number.inMainFile = false;
  number.base = M_LiteralBase::Hex;
  number.type = "ul";
  number.context = M_LiteralContext::CaseLabel;

  const std::string bytes = recordBytes([&](M_MetricZEK& w) {
    w.literal(text);
    w.literal(number);
  });
  EXPECT_EQ(bytes,
            "<LIT> \"a b\" - - \\src\\a.c 5 9 N SE char[4] B A\r\n"
            "<LIT> 0x10 UL N \\inc\\h.h 1 2 I H- ul F C\r\n");
}

TEST_F(MetricRecords, NothingIsWrittenAfterTheClose) {
  M_MetricZEK writer;
  writer.openForSource("closed.c", dir());
  writer.close();
  writer.message("a", "b");
  writer.relation(M_RelationRecord{});
  writer.fileMetricInt("M", XF_Filename(), 1);
  EXPECT_EQ(readFile(dir() + "/closed.c.met"), "");
}

}  // namespace
