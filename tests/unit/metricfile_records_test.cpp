// The record lines besides metrics, in the forms the per-source metric
// file readers take, so that a project metric file reads back like the
// metric file of a source.
#include <array>
#include <functional>

#include "metricfile/MetricZEK.h"
#include "metricfile_test_support.h"

namespace {

using metricfiletest::file;
using metricfiletest::MetricFileTest;
using Write = std::function<void(M_MetricZEK&)>;

class MetricRecords : public MetricFileTest {
 protected:
  // The bytes `write` puts into a new metric file.
  std::string recordBytes(const Write& write) {
    M_MetricZEK writer;
    writer.openForSource("records.c", dir());
    write(writer);
    writer.close();
    return readFile(dir() + "/records.c.met");
  }
};

M_DefineRecord define(M_DefineCode code = M_DefineCode::Declaration, unsigned flags = 0) {
  M_DefineRecord record;
  record.qualifiedName = "ns::f(int)";
  record.file = file("/src/a.c", "a.c");
  record.line = 12;
  record.type = "int(int)";
  record.code = code;
  record.flags = flags;
  return record;
}

M_RelationRecord relation(M_RelationKind kind, unsigned flags = 0) {
  return M_RelationRecord{kind, "o", "s", {}, {}, 1, flags};
}

// Each record kind, its fields in the readers' order; a relation kind is
// named before its first record only.
TEST_F(MetricRecords, EachRecordKindHasItsBytes) {
  const XF_Filename a = file("/src/a.c", "a.c");
  M_LiteralRecord text;
  text.text = "\"a b\"";
  text.file = a;
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
  M_DefineRecord member = define(M_DefineCode::Implicit);
  member.inMainFile = false;
  member.scope = M_DefineScope::Class;
  member.linkage = M_Linkage::NotApplicable;
  member.type = "";
  M_DefineRecord inlineDefinition = define(M_DefineCode::Definition, M_DefineInline | M_DefineStaticStorage);
  inlineDefinition.linkage = M_Linkage::Internal;
  const M_RelationRecord calls{M_RelationKind::Calls, "f", "g", {}, {}, 7, 0};
  const M_RelationRecord include{M_RelationKind::Includes, {}, {}, a, file("/inc/my h.h", "h.h"), 3, 0};

  const std::vector<std::pair<Write, std::string>> cases{
      {[&](M_MetricZEK& w) {
         w.relation(calls);
         w.relation({M_RelationKind::RefersTo, "f", "v", {}, {}, 8, M_RelationRead | M_RelationWrite});
         w.relation(calls);
       },
       "<RDEF> C Calls\r\n<R>C f g 7 -\r\n<RDEF> X Refers-to\r\n<R>X f v 8 RW\r\n<R>C f g 7 -\r\n"},
      {[&](M_MetricZEK& w) {
         w.relation(relation(M_RelationKind::IsBaseOf, M_RelationVirtual));
         w.relation(relation(M_RelationKind::HasByReference));
         w.relation(relation(M_RelationKind::HasByPointer));
         w.relation(relation(M_RelationKind::HasByValue));
         w.relation(relation(M_RelationKind::Uses));
       },
       "<RDEF> B Is-base-of\r\n<R>B o s 1 V\r\n<RDEF> R Has-by-reference\r\n<R>R o s 1 -\r\n"
       "<RDEF> P Has-by-pointer\r\n<R>P o s 1 -\r\n<RDEF> V Has-by-value\r\n<R>V o s 1 -\r\n"
       "<RDEF> U Uses\r\n<R>U o s 1 -\r\n"},
      {[&](M_MetricZEK& w) { w.relation(include); }, "<RDEF> I Includes\r\n<R>I \\src\\a.c \"\\inc\\my h.h\" 3\r\n"},
      {[](M_MetricZEK& w) { w.externVariable("f", "counter", 14); }, "<EXTV> f counter 14\r\n"},
      {[&](M_MetricZEK& w) { w.defineFunction(inlineDefinition); },
       "<DEFINE> ns::f(int) \\src\\a.c 12 N DF -F F I int(int) IS\r\n"},
      {[&](M_MetricZEK& w) { w.defineMember(member); }, "<DEFINE> ns::f(int) \\src\\a.c 12 I DI -B C - - -\r\n"},
      {[](M_MetricZEK& w) { w.defineOther(define(M_DefineCode::Declaration, 0x1FFFF)); },
       "<DEFINE> ns::f(int) \\src\\a.c 12 N DC -- F X int(int) FOIVPSDAR12357GTU\r\n"},
      {[](M_MetricZEK& w) {
         const std::array<int, 3> nodes{10, 11, 14};
         w.controlGraphFunction("f");
         w.controlGraphEdge(0, 1);
         w.controlGraphEdge(1, 2);
         w.controlGraphNodes(nodes);
         w.controlGraphFunction("g");
         w.controlGraphNodes({});
       },
       "<CTLG> f 1\r\n<CTLG> 0 1\r\n<CTLG> 1 2\r\n<CTLGN> 10 11 14\r\n<CTLG> g 1\r\n<CTLGN>\r\n"},
      {[&](M_MetricZEK& w) {
         w.allocation("p", M_AllocKind::Plain, a, 4, 9);
         w.allocation("q", M_AllocKind::Array, a, 5, 1);
         w.allocation("r", M_AllocKind::Old, a, 6, 2);
       },
       "<ALLOC> p plain \\src\\a.c 4 9\r\n<ALLOC> q array \\src\\a.c 5 1\r\n<ALLOC> r old \\src\\a.c 6 2\r\n"},
      {[](M_MetricZEK& w) {
         w.throwsType("f", "E1");
         w.throwType("f", "E2");
         w.catchType("f", "E3", "h");
       },
       "<THROWS> f E E1\r\n<THROWS> f T E2\r\n<THROWS> f C E3 h\r\n"},
      {[](M_MetricZEK& w) { w.pragma(file("/a.c", "a.c"), 2, "pack(push, 1)"); }, "<PRAGMA> \\a.c 2 pack(push, 1)\r\n"},
      {[&](M_MetricZEK& w) {
         w.itemLocation("x", a, 3, 4);
         w.itemFile("y", a);
         w.itemFileValue("z", a, 17);
       },
       "<LOC> x \\src\\a.c 3 4\r\n<LOC> y \\src\\a.c\r\n<LOC> z \\src\\a.c 17\r\n"},
      {[](M_MetricZEK& w) { w.message("first", "second"); }, "<MSG> first second\r\n"},
      {[&](M_MetricZEK& w) {
         w.literal(text);
         w.literal(number);
       },
       "<LIT> \"a b\" - - \\src\\a.c 5 9 N SE char[4] B A\r\n<LIT> 0x10 UL N \\inc\\h.h 1 2 I H- ul F C\r\n"},
  };
  for (const auto& [write, bytes] : cases) EXPECT_EQ(recordBytes(write), bytes);
}

TEST_F(MetricRecords, EachDefineOperationHasItsSpaceCode) {
  using Op = void (M_MetricZEK::*)(const M_DefineRecord&);
  const std::vector<std::pair<Op, std::string>> ops{
      {&M_MetricZEK::defineTag, "TG"},       {&M_MetricZEK::defineTypedef, "-T"},
      {&M_MetricZEK::defineFunction, "-F"},  {&M_MetricZEK::defineVariable, "-V"},
      {&M_MetricZEK::defineParameter, "-V"}, {&M_MetricZEK::defineMember, "-B"},
      {&M_MetricZEK::defineEnumerator, "-E"}, {&M_MetricZEK::defineMacro, "-M"},
      {&M_MetricZEK::defineLabel, "LB"},     {&M_MetricZEK::defineOther, "--"},
  };
  for (const auto& [op, space] : ops) {
    const std::string flags = op == &M_MetricZEK::defineParameter ? "R" : "-";
    EXPECT_EQ(recordBytes([&, op = op](M_MetricZEK& w) { (w.*op)(define()); }),
              "<DEFINE> ns::f(int) \\src\\a.c 12 N DC " + space + " F X int(int) " + flags + "\r\n")
        << space;
  }
}

TEST_F(MetricRecords, NothingIsWrittenAfterTheClose) {
  EXPECT_EQ(recordBytes([](M_MetricZEK& w) {
              w.close();
              w.message("a", "b");
              w.relation(M_RelationRecord{});
              w.fileMetricInt("M", XF_Filename(), 1);
            }),
            "");
}

}  // namespace
