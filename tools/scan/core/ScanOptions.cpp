#include "core/ScanOptions.h"

#include <charconv>
#include <stdexcept>

namespace scan {

const char* scanHelpText() {
  return "usage: zum-scan [-p DIR] [-o DIR] [-j N] [--analyse] [-q] [SOURCE...]\n"
         "\n"
         "Scans every unit of a compilation database with clang and writes, per\n"
         "unit, the metric file (.met) and the error file (.err) that zum reads,\n"
         "and the list file sources.lst naming the scanned sources, so that\n"
         "  zum ZEK -cmaf DIR/project -list DIR/sources.lst\n"
         "analyses the whole project.\n"
         "\n"
         "  -p DIR      the directory holding compile_commands.json (or the file\n"
         "              itself); default: the current directory\n"
         "  -o DIR      where the files go; default: zum-out\n"
         "  -j N        units scanned at once; default: one per core\n"
         "  --analyse   then run zum over the project and show its findings\n"
         "  --zum PATH  the zum program for --analyse; default: the one beside\n"
         "              zum-scan, else zum on the PATH\n"
         "  -q          no progress lines\n"
         "  SOURCE...   scan only the units whose file is one of these or lies in\n"
         "              one of these directories\n"
         "\n"
         "Exit codes: 0 every unit scanned (and, with --analyse, zum ran);\n"
         "1 some units failed to compile or zum failed; 2 bad command line or\n"
         "unreadable compilation database; 130 interrupted.\n";
}

namespace {

int toJobs(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 1024)
    throw std::invalid_argument("-j wants a number of jobs from 1 to 1024, not '" + text + "'");
  return value;
}

}  // namespace

ScanOptions parseScanOptions(const std::vector<std::string>& args) {
  ScanOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // "-p DIR" and "-pDIR", "--zum PATH" and "--zum=PATH".
    auto value = [&](const std::string& name) -> std::string {
      if (arg.size() > name.size()) return arg.substr(arg.starts_with("--") ? name.size() + 1 : name.size());
      if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value");
      return args[++i];
    };
    auto is = [&](const std::string& name) {
      return arg == name || (arg.starts_with(name) && (!name.starts_with("--") || arg[name.size()] == '='));
    };
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--analyse" || arg == "--analyze") {
      options.analyse = true;
    } else if (arg == "-q" || arg == "--quiet") {
      options.quiet = true;
    } else if (is("-p")) {
      options.database = value("-p");
    } else if (is("-o")) {
      options.outputDir = value("-o");
    } else if (is("-j")) {
      options.jobs = toJobs(value("-j"));
    } else if (is("--zum")) {
      options.zum = value("--zum");
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw std::invalid_argument("unknown option " + arg);
    } else {
      options.sources.push_back(arg);
    }
  }
  if (options.database.empty()) throw std::invalid_argument("-p needs a directory");
  if (options.outputDir.empty()) throw std::invalid_argument("-o needs a directory");
  return options;
}

}  // namespace scan
