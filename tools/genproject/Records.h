// The record lines of a per-source metric file, one function per record
// kind. Fields are separated by one blank and every line ends in "\n", as
// the per-file analyser writes them. Numbers go through std::to_chars: these
// functions run hundreds of millions of times for a large project.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace genproject {

void appendNumber(std::string& out, int64_t value);

// A file name token; quoted when it holds a blank, as readers expect.
void appendFileName(std::string& out, std::string_view file);

struct DefineRecord {
  std::string_view name;
  std::string_view file;
  int line = 0;
  bool inHeader = false;
  char code = 'C';              // C declaration, F definition, I implicit, S, R, X, P
  std::string_view space;       // TG OT OF OE OM OV MB LB
  char scope = 'F';             // F B P C T S N -
  char linkage = 'X';           // X N - I
  std::string_view type;        // "-" when the entity has none
  std::string_view flags;       // empty for none
};
void writeDefine(std::string& out, const DefineRecord& record);

// kind: C calls, X refers to, B is base of, V/R/P has member by value,
// reference or pointer. Flags are letters of R, W, V; empty for none.
void writeRelation(std::string& out, char kind, std::string_view object, std::string_view subject, int line,
                   std::string_view flags);
void writeInclude(std::string& out, std::string_view includer, std::string_view header, int line);
void writeExternVar(std::string& out, std::string_view object, std::string_view subject, int line);

enum class AllocKind { Plain, Array, Old };
void writeAlloc(std::string& out, std::string_view name, AllocKind kind, std::string_view file, int line,
                int column);

// The three lines that open the metrics of one function, class or file.
void writeMetricGroup(std::string& out, std::string_view file, std::string_view name);
void writeMetric(std::string& out, std::string_view metric, int64_t value);
void writeMetric(std::string& out, std::string_view metric, std::string_view value);

// One control graph: header, one line per edge, then the node lines.
void writeControlGraph(std::string& out, std::string_view function, int exits,
                       std::span<const std::pair<int, int>> edges, std::span<const int> lines);

struct LiteralRecord {
  std::string_view text;        // as written, quotes included
  std::string_view suffix;      // empty for none
  char sign = '-';              // - none, N negative, P positive
  std::string_view file;
  int line = 0;
  int column = 0;
  bool inHeader = false;
  std::string_view kind;        // two characters, such as "D-", "SE", "HW"
  std::string_view type;
  char scope = 'F';
  char context = 'O';           // M D B E O A S U P C, anything else other
};
void writeLiteral(std::string& out, const LiteralRecord& record);

}  // namespace genproject
