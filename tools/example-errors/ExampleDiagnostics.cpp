#include "ExampleDiagnostics.h"

namespace example {

namespace {

Place at(const char* file, int line, int column) { return Place{file, line, column, "", 0}; }
// `header` as the source includes it at `includeLine`.
Place inHeader(const char* header, int line, int column, const char* source, int includeLine) {
  return Place{header, line, column, source, includeLine};
}

}  // namespace

// 3219 marks a static function nothing calls and 3670 a recursive call:
// zum counts them into STNEA and STNRA. The other numbers are ordinary
// findings of the per-file analyser that zum passes by. A finding in a
// header comes out of every source that includes the header.
const std::vector<SourceReport>& exampleReports() {
  static const std::vector<SourceReport> reports{
      {"main.c",
       {},
       {{2017, at("main.c", 11, 9), {}},
        {736, at("main.c", 14, 5), {}},
        {3408, inHeader("config.h", 4, 14, "main.c", 1), {"g_legacyBanner"}}}},
      {"util.c",
       {{1, at("util.c", 16, 1), "suppress 1281", "1281", "1281", at("util.c", 16, 1), at("util.c", 21, 0)}},
       {{1281, at("util.c", 19, 12), {}}, {3408, inHeader("config.h", 4, 14, "util.c", 1), {"g_legacyBanner"}}}},
      {"stock.c",
       {},
       {{2981, at("stock.c", 22, 5), {}},
        {3670, at("stock.c", 38, 9), {"stock_sort"}},
        {3219, at("stock.c", 43, 13), {"stock_dump"}},
        {3408, inHeader("config.h", 4, 14, "stock.c", 1), {"g_legacyBanner"}}}},
      {"order.c", {}, {{506, at("order.c", 19, 20), {}}, {3408, inHeader("config.h", 4, 14, "order.c", 1), {"g_legacyBanner"}}}},
      {"report.c",
       {},
       {{1031, at("report.c", 14, 12), {}},
        {3219, at("report.c", 27, 13), {"report_debug"}},
        {3408, inHeader("config.h", 4, 14, "report.c", 1), {"g_legacyBanner"}}}},
  };
  return reports;
}

// The C++ analyser's findings are of the same kinds; a finding in a header
// comes out of each source that includes it directly.
const std::vector<SourceReport>& ledgerReports() {
  static const std::vector<SourceReport> reports{
      {"account.cpp", {}, {{2017, at("account.cpp", 21, 33), {}}}},
      {"transaction.cpp", {}, {{506, at("transaction.cpp", 7, 7), {}}}},
      {"ledger.cpp",
       {{1, at("ledger.cpp", 7, 1), "suppress 2981", "2981", "2981", at("ledger.cpp", 7, 1), at("ledger.cpp", 11, 0)}},
       {{2981, at("ledger.cpp", 8, 37), {}}, {1031, at("ledger.cpp", 29, 20), {}}}},
      {"report.cpp",
       {},
       {{1031, at("report.cpp", 13, 3), {}}, {2107, inHeader("report.h", 15, 15, "report.cpp", 1), {"m_lines"}}}},
      {"main.cpp",
       {},
       {{736, at("main.cpp", 5, 15), {}}, {2107, inHeader("report.h", 15, 15, "main.cpp", 1), {"m_lines"}}}},
  };
  return reports;
}

}  // namespace example
