// The record lines of a per-source metric file, as zum's readers take them
// apart: one function per record kind, fields separated by one blank, every
// line ended by "\n". Only text is made here; what goes into the fields is
// decided by the AST walk.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace scan {

// A file-name field: in double quotes when it holds a blank or a tab.
void appendFileField(std::string& out, std::string_view file);

struct DefineRecord {
  std::string_view name;     // qualified name, one token
  std::string_view file;     // absolute path
  int line = 0;
  bool inHeader = false;     // "I", else "N"
  char code = 'C';           // C declaration, F definition, R redeclaration, I implicit, S, X, P
  std::string_view space;    // OF OV OT OE OM MB LB TG
  char scope = 'F';          // F file, B block, P prototype, C class, T template, S namespace, N label, - macro
  char linkage = 'N';        // X external, I internal, N none, - not applicable
  std::string_view type;     // "-" when empty
  std::string_view flags;    // "-" when empty
};
void writeDefine(std::string& out, const DefineRecord& record);

// kind: C calls, X refers to, B base of, V/R/P member by value, reference,
// pointer. flags: letters of R, W, V; "-" when empty.
void writeRelation(std::string& out, char kind, std::string_view object, std::string_view subject, int line,
                   std::string_view flags);
void writeInclude(std::string& out, std::string_view includer, std::string_view included, int line);
void writeExternVar(std::string& out, std::string_view object, std::string_view subject, int line);

enum class AllocKind { Plain, Array, Old };
void writeAlloc(std::string& out, std::string_view name, AllocKind kind, std::string_view file, int line,
                int column);

// The three lines that open the metrics of a function, class or file; a
// file's own group has the file as its name.
void writeMetricGroup(std::string& out, std::string_view file, std::string_view name);
void writeMetric(std::string& out, std::string_view metric, long long value);

// One control graph: its header, one line per edge, then the node lines.
void writeControlGraph(std::string& out, std::string_view function, int exits,
                       std::span<const std::pair<int, int>> edges, std::span<const int> lines);

struct LiteralRecord {
  std::string_view text;     // as written, quotes included
  std::string_view suffix;   // "-" when empty
  char sign = '-';           // - none, N negative, P positive
  std::string_view file;
  int line = 0;
  int column = 0;
  bool inHeader = false;
  std::string_view kind;     // two characters: D H O B F C S, then E W or -
  std::string_view type;
  char scope = 'F';
  char context = 'X';        // M D B E O A S U P C, X other
};
void writeLiteral(std::string& out, const LiteralRecord& record);

}  // namespace scan
