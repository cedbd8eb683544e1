#include "TextReport.h"

#include <map>

#include "MessageView.h"
#include "messages/DiagnosticFormat.h"

namespace {

void writeLine(const M_Diagnostic& diagnostic, int depth, const M_MessageTable& table, const TextOptions& options,
               std::ostream& out) {
  const MessageView view = describe(table, diagnostic);
  out << std::string(static_cast<std::size_t>(depth) * 4, ' ') << placeText(diagnostic, options.project) << ": "
      << view.levelName << ": " << view.text << " [" << diagnostic.messageNumber() << "]\n";
}

void writeFormatted(const M_Diagnostic& diagnostic, int depth, const M_MessageTable& table, const std::string& format,
                    std::ostream& out) {
  const U_String text = M_formatDiagnostic(diagnostic, format, depth, table);
  out << text;
  if (!text.empty() && text.back() != '\n') out << '\n';
}

void writeFinding(const M_Diagnostic& diagnostic, int depth, const M_MessageTable& table, const TextOptions& options,
                  std::ostream& out) {
  if (options.format) writeFormatted(diagnostic, depth, table, *options.format, out);
  else writeLine(diagnostic, depth, table, options, out);
  for (const U_Handle<M_Diagnostic>& listed : listedDiagnostics(diagnostic)) {
    writeFinding(*listed, depth + 1, table, options, out);
  }
}

}  // namespace

void writeFindings(const ReportFindings& findings, const M_MessageTable& table, const TextOptions& options,
                   std::ostream& out) {
  for (const U_Handle<M_Diagnostic>& diagnostic : findings.diagnostics) {
    if (isHidden(*diagnostic) && !options.showHidden) continue;
    writeFinding(*diagnostic, 0, table, options, out);
  }
}

std::string summaryLine(const ReportFindings& findings, const M_MessageTable& table, const TextOptions& options,
                        const std::string& fileName) {
  std::map<int, std::pair<std::string, int>, std::greater<>> byLevel;  // level -> (name, count)
  int shown = 0;
  int hidden = 0;
  for (const U_Handle<M_Diagnostic>& diagnostic : findings.diagnostics) {
    if (isHidden(*diagnostic) && !options.showHidden) {
      ++hidden;
      continue;
    }
    const MessageView view = describe(table, *diagnostic);
    auto& [name, count] = byLevel[view.level];
    if (name.empty()) name = view.levelName;
    ++count;
    ++shown;
  }
  std::string line = fileName + ": ";
  if (shown == 0) {
    line += "no findings";
  } else {
    line += std::to_string(shown) + (shown == 1 ? " finding: " : " findings: ");
    bool first = true;
    for (const auto& [level, entry] : byLevel) {
      if (!first) line += ", ";
      first = false;
      line += std::to_string(entry.second) + " " + entry.first;
    }
  }
  if (hidden > 0) line += "; " + std::to_string(hidden) + " hidden";
  if (findings.leftOut > 0) {
    line += "; " + std::to_string(findings.leftOut) + " declared once in a header that several sources include (--all)";
  }
  return line;
}
