#include "core/Records.h"

#include <charconv>

namespace scan {

namespace {

void appendNumber(std::string& out, long long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

void appendOrDash(std::string& out, std::string_view text) {
  if (text.empty())
    out += '-';
  else
    out += text;
}

}  // namespace

void appendFileField(std::string& out, std::string_view file) {
  if (file.find_first_of(" \t") == std::string_view::npos) {
    out += file;
    return;
  }
  out += '"';
  out += file;
  out += '"';
}

void writeDefine(std::string& out, const DefineRecord& r) {
  out += "<DEFINE> ";
  out += r.name;
  out += ' ';
  appendFileField(out, r.file);
  out += ' ';
  appendNumber(out, r.line);
  out += r.inHeader ? " I D" : " N D";
  out += r.code;
  out += ' ';
  out += r.space;
  out += ' ';
  out += r.scope;
  out += ' ';
  out += r.linkage;
  out += ' ';
  appendOrDash(out, r.type);
  out += ' ';
  appendOrDash(out, r.flags);
  out += '\n';
}

void writeRelation(std::string& out, char kind, std::string_view object, std::string_view subject, int line,
                   std::string_view flags) {
  out += "<R>";
  out += kind;
  out += ' ';
  out += object;
  out += ' ';
  out += subject;
  out += ' ';
  appendNumber(out, line);
  out += ' ';
  appendOrDash(out, flags);
  out += '\n';
}

void writeInclude(std::string& out, std::string_view includer, std::string_view included, int line) {
  out += "<R>I ";
  appendFileField(out, includer);
  out += ' ';
  appendFileField(out, included);
  out += ' ';
  appendNumber(out, line);
  out += '\n';
}

void writeExternVar(std::string& out, std::string_view object, std::string_view subject, int line) {
  out += "<EXTV> ";
  out += object;
  out += ' ';
  out += subject;
  out += ' ';
  appendNumber(out, line);
  out += '\n';
}

void writeAlloc(std::string& out, std::string_view name, AllocKind kind, std::string_view file, int line,
                int column) {
  static constexpr std::string_view kKindWords[] = {" plain ", " array ", " old "};
  out += "<ALLOC> ";
  out += name;
  out += kKindWords[static_cast<int>(kind)];
  appendFileField(out, file);
  out += ' ';
  appendNumber(out, line);
  out += ' ';
  appendNumber(out, column);
  out += '\n';
}

void writeMetricGroup(std::string& out, std::string_view file, std::string_view name) {
  out += "<S>\n<S>STFIL ";
  out += file;
  out += "\n<S>STNAM ";
  out += name;
  out += '\n';
}

void writeMetric(std::string& out, std::string_view metric, long long value) {
  out += "<S>";
  out += metric;
  out += ' ';
  appendNumber(out, value);
  out += '\n';
}

void writeControlGraph(std::string& out, std::string_view function, int exits,
                       std::span<const std::pair<int, int>> edges, std::span<const int> lines) {
  out += "<CTLG> ";
  out += function;
  out += ' ';
  appendNumber(out, exits);
  out += '\n';
  for (auto [from, to] : edges) {
    out += "<CTLG> ";
    appendNumber(out, from);
    out += ' ';
    appendNumber(out, to);
    out += '\n';
  }
  out += "<CTLGN>";
  for (int line : lines) {
    out += ' ';
    appendNumber(out, line);
  }
  out += '\n';
}

void writeLiteral(std::string& out, const LiteralRecord& r) {
  out += "<LIT> ";
  out += r.text;
  out += ' ';
  appendOrDash(out, r.suffix);
  out += ' ';
  out += r.sign;
  out += ' ';
  appendFileField(out, r.file);
  out += ' ';
  appendNumber(out, r.line);
  out += ' ';
  appendNumber(out, r.column);
  out += r.inHeader ? " I " : " N ";
  out += r.kind;
  out += ' ';
  out += r.type;
  out += ' ';
  out += r.scope;
  out += ' ';
  out += r.context;
  out += '\n';
}

}  // namespace scan
