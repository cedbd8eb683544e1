// The record lines besides metrics, in the forms the per-source metric
// file readers take: a project metric file holding them reads back like
// the file of a source.
#include <array>
#include <utility>

#include "metricfile/MetricLine.h"
#include "metricfile/MetricZEK.h"

namespace {

using zum::MetricLine;

std::string_view relationKindName(M_RelationKind kind) {
  switch (kind) {
    case M_RelationKind::Includes: return "Includes";
    case M_RelationKind::IsBaseOf: return "Is-base-of";
    case M_RelationKind::HasByReference: return "Has-by-reference";
    case M_RelationKind::HasByPointer: return "Has-by-pointer";
    case M_RelationKind::HasByValue: return "Has-by-value";
    case M_RelationKind::Uses: return "Uses";
    case M_RelationKind::Calls: return "Calls";
    case M_RelationKind::RefersTo: return "Refers-to";
  }
  return "";
}

U_String relationFlagLetters(unsigned flags) {
  U_String letters;
  if (flags & M_RelationRead) letters += 'R';
  if (flags & M_RelationWrite) letters += 'W';
  if (flags & M_RelationVirtual) letters += 'V';
  return letters;
}

// In bit order, so the letters of one record always come in one order.
constexpr std::array<std::pair<std::uint32_t, char>, 17> kDefineFlagLetters{{
    {M_DefineFunctionMacro, 'F'},
    {M_DefineObjectMacro, 'O'},
    {M_DefineInline, 'I'},
    {M_DefineVirtual, 'V'},
    {M_DefinePureVirtual, 'P'},
    {M_DefineStaticStorage, 'S'},
    {M_DefinePod, 'D'},
    {M_DefineAggregate, 'A'},
    {M_DefineParameter, 'R'},
    {M_DefineExplicitPublic, '1'},
    {M_DefineExplicitProtected, '2'},
    {M_DefineExplicitPrivate, '3'},
    {M_DefineImplicitPublic, '5'},
    {M_DefineImplicitPrivate, '7'},
    {M_DefineMarkG, 'G'},
    {M_DefineMarkT, 'T'},
    {M_DefineMarkU, 'U'},
}};

U_String defineFlagLetters(std::uint32_t flags) {
  U_String letters;
  for (const auto& [bit, letter] : kDefineFlagLetters) {
    if (flags & bit) letters += letter;
  }
  return letters;
}

std::string_view allocKindWord(M_AllocKind kind) {
  switch (kind) {
    case M_AllocKind::Plain: return "plain";
    case M_AllocKind::Array: return "array";
    case M_AllocKind::Old: return "old";
  }
  return "";
}

char positionLetter(bool inMainFile) { return inMainFile ? 'N' : 'I'; }

}  // namespace

void M_MetricZEK::relation(const M_RelationRecord& record) {
  if (!isOpen()) return;
  // The first relation of a kind in an output names the kind.
  const char kind = static_cast<char>(record.kind);
  if (namedRelationKinds_.insert(kind).second)
    writeLine(MetricLine("<RDEF>").field(kind).field(relationKindName(record.kind)).text());
  MetricLine line(U_String("<R>") + kind);
  if (record.kind == M_RelationKind::Includes) {
    line.file(record.objectFile).file(record.subjectFile).number(record.line);
  } else {
    line.field(record.object).field(record.subject).number(record.line).field(relationFlagLetters(record.flags));
  }
  writeLine(line.text());
}

void M_MetricZEK::externVariable(std::string_view object, std::string_view subject, int line) {
  writeLine(MetricLine("<EXTV>").field(object).field(subject).number(line).text());
}

void M_MetricZEK::writeDefine(const M_DefineRecord& record, std::string_view spaceCode, std::uint32_t extraFlags) {
  const char code[] = {'D', static_cast<char>(record.code)};
  writeLine(MetricLine("<DEFINE>")
                .field(record.qualifiedName)
                .file(record.file)
                .number(record.line)
                .field(positionLetter(record.inMainFile))
                .field(std::string_view(code, 2))
                .field(spaceCode)
                .field(static_cast<char>(record.scope))
                .field(static_cast<char>(record.linkage))
                .field(record.type)
                .field(defineFlagLetters(record.flags | extraFlags))
                .text());
}

// Space codes: the second letter is the kind; a first letter "L" makes a
// label, and "TG" is a tag.
void M_MetricZEK::defineTag(const M_DefineRecord& record) { writeDefine(record, "TG", 0); }
void M_MetricZEK::defineTypedef(const M_DefineRecord& record) { writeDefine(record, "-T", 0); }
void M_MetricZEK::defineFunction(const M_DefineRecord& record) { writeDefine(record, "-F", 0); }
void M_MetricZEK::defineVariable(const M_DefineRecord& record) { writeDefine(record, "-V", 0); }
void M_MetricZEK::defineParameter(const M_DefineRecord& record) { writeDefine(record, "-V", M_DefineParameter); }
void M_MetricZEK::defineMember(const M_DefineRecord& record) { writeDefine(record, "-B", 0); }
void M_MetricZEK::defineEnumerator(const M_DefineRecord& record) { writeDefine(record, "-E", 0); }
void M_MetricZEK::defineMacro(const M_DefineRecord& record) { writeDefine(record, "-M", 0); }
void M_MetricZEK::defineLabel(const M_DefineRecord& record) { writeDefine(record, "LB", 0); }
void M_MetricZEK::defineOther(const M_DefineRecord& record) { writeDefine(record, "--", 0); }

void M_MetricZEK::controlGraphNodes(std::span<const int> lines) {
  MetricLine line("<CTLGN>");
  for (int number : lines) line.number(number);
  writeLine(line.text());
}

void M_MetricZEK::controlGraphEdge(int from, int to) {
  writeLine(MetricLine("<CTLG>").number(from).number(to).text());
}

void M_MetricZEK::controlGraphFunction(std::string_view function) {
  writeLine(MetricLine("<CTLG>").field(function).number(1).text());
}

void M_MetricZEK::allocation(std::string_view name, M_AllocKind kind, const XF_Filename& file, int line,
                             int column) {
  writeLine(MetricLine("<ALLOC>").field(name).field(allocKindWord(kind)).file(file).number(line).number(column).text());
}

void M_MetricZEK::throwsType(std::string_view function, std::string_view type) {
  writeLine(MetricLine("<THROWS>").field(function).field('E').field(type).text());
}

void M_MetricZEK::throwType(std::string_view function, std::string_view type) {
  writeLine(MetricLine("<THROWS>").field(function).field('T').field(type).text());
}

void M_MetricZEK::catchType(std::string_view function, std::string_view type, std::string_view handler) {
  writeLine(MetricLine("<THROWS>").field(function).field('C').field(type).field(handler).text());
}

void M_MetricZEK::pragma(const XF_Filename& file, int line, std::string_view text) {
  // The pragma text is the rest of the line, blanks and all.
  U_String record = MetricLine("<PRAGMA>").file(file).number(line).text();
  record += ' ';
  record += text;
  writeLine(record);
}

void M_MetricZEK::itemLocation(std::string_view name, const XF_Filename& file, int line, int column) {
  writeLine(MetricLine("<LOC>").field(name).file(file).number(line).number(column).text());
}

void M_MetricZEK::itemFile(std::string_view name, const XF_Filename& file) {
  writeLine(MetricLine("<LOC>").field(name).file(file).text());
}

void M_MetricZEK::itemFileValue(std::string_view name, const XF_Filename& file, int value) {
  writeLine(MetricLine("<LOC>").field(name).file(file).number(value).text());
}

void M_MetricZEK::message(std::string_view first, std::string_view second) {
  writeLine(MetricLine("<MSG>").field(first).field(second).text());
}

void M_MetricZEK::literal(const M_LiteralRecord& record) {
  const char kind[] = {static_cast<char>(record.base), static_cast<char>(record.form)};
  writeLine(MetricLine("<LIT>")
                .field(record.text)
                .field(record.suffix)
                .field(static_cast<char>(record.sign))
                .file(record.file)
                .number(record.line)
                .number(record.column)
                .field(positionLetter(record.inMainFile))
                .field(std::string_view(kind, 2))
                .field(record.type)
                .field(static_cast<char>(record.scope))
                .field(static_cast<char>(record.context))
                .text());
}
