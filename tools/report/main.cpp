// zum-report FILE.err [options]: the findings of an error file (either
// generation), one finding a line as compilers show theirs, the places it
// lists indented under it, and a summary line; or as SARIF 2.1.0.
//
// Exit codes: 0 when the whole file was read, 1 when it is missing or
// damaged (what was read before the damage is shown), 2 for a bad command
// line or format string.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Findings.h"
#include "SarifReport.h"
#include "TextReport.h"
#include "messages/FormatParseException.h"
#include "messages/MessageCatalog.h"
#include "options/RunSettings.h"
#include "options/TextTranslation.h"
#include "util/Path.h"

namespace {

constexpr const char* kUsage =
    "usage: zum-report FILE.err [options]\n"
    "Shows the findings of a zum project error file (or any error file).\n"
    "  --sarif OUT        also write the findings as SARIF 2.1.0 to OUT ('-': standard output, instead of text)\n"
    "  --format STRING    show each finding by a format string (%f file, %l line, %c column,\n"
    "                     %t text, %v hint, %n number, %g level; see the plug-in interface)\n"
    "  --messages FILE    a user message file read over zum.msg\n"
    "  --srcroot DIR      SARIF: file names under DIR relative to it\n"
    "  --hidden           show findings hidden by suppression annotations too\n"
    "  --all              show too the externals declared at more than one place (1512, 1513)\n"
    "                     whose declarations all stand at one place of one header\n";

struct Arguments {
  std::string file;
  std::optional<std::string> sarif;
  std::optional<std::string> format;
  std::string messages;
  std::string sourceRoot;
  bool hidden = false;
  bool all = false;
};

bool parse(int argc, char** argv, Arguments& arguments) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto valueOf = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string value;
    if (arg == "--sarif" || arg == "--format" || arg == "--messages" || arg == "--srcroot") {
      if (!valueOf(value)) return false;
      if (arg == "--sarif") arguments.sarif = value;
      else if (arg == "--format") arguments.format = value;
      else if (arg == "--messages") arguments.messages = value;
      else arguments.sourceRoot = value;
    } else if (arg == "--hidden") {
      arguments.hidden = true;
    } else if (arg == "--all") {
      arguments.all = true;
    } else if (arg.empty() || arg.front() == '-' || !arguments.file.empty()) {
      return false;
    } else {
      arguments.file = arg;
    }
  }
  return !arguments.file.empty();
}

M_MessageTable loadTable(const Arguments& arguments) {
  M_MessageFileSettings settings;
  if (!arguments.messages.empty()) settings.userFile = U_Path::fullPath(arguments.messages);
  return M_loadMessageTable(settings, XF_inputEncoding(), std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!parse(argc, argv, arguments)) {
    std::cerr << kUsage;
    return 2;
  }
  // File names are shown as they are written, with '/'.
  C_RunSettings settings;
  settings.forwardSlashes = true;
  C_publishRunSettings(settings);
  const M_MessageTable table = loadTable(arguments);
  ReportFindings findings = readFindings(arguments.file);
  if (!arguments.all) leaveOutOneHeaderDeclarations(findings);

  TextOptions text;
  text.project = U_Path::stripExtension(arguments.file);
  text.showHidden = arguments.hidden;
  text.format = arguments.format;
  const bool textToStandardOutput = arguments.sarif != "-";
  try {
    if (textToStandardOutput) writeFindings(findings, table, text, std::cout);
  } catch (const FM_ParseException& error) {
    std::cout.flush();
    std::cerr << "zum-report: ";
    error.print(std::cerr);
    std::cerr << '\n';
    return 2;
  }
  if (arguments.sarif) {
    SarifOptions sarif;
    sarif.sourceRoot = arguments.sourceRoot;
    if (*arguments.sarif == "-") {
      writeSarif(findings, table, sarif, std::cout);
    } else {
      std::ofstream out(*arguments.sarif, std::ios::binary);
      if (out) writeSarif(findings, table, sarif, out);
      if (!out || !out.flush()) {
        std::cerr << "zum-report: cannot write " << *arguments.sarif << '\n';
        return 1;
      }
    }
  }
  if (textToStandardOutput) std::cout << summaryLine(findings, table, text, arguments.file) << '\n';
  std::cout.flush();
  if (!findings.damage.empty()) {
    std::cerr << "zum-report: " << arguments.file << ": " << findings.damage << '\n';
    return 1;
  }
  return 0;
}
