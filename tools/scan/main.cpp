// zum-scan: the per-file front end. Reads a compilation database, scans its
// units in parallel (each in a process of its own), writes each unit's
// metric and error file and the list file sources.lst, and with --analyse
// runs zum over the result. Usage in scanHelpText() (core/ScanOptions.cpp).
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "ast/CompileDatabase.h"
#include "ast/UnitScan.h"
#include "core/Analyse.h"
#include "core/AtomicFile.h"
#include "core/ListFile.h"
#include "core/OutputPlan.h"
#include "core/Paths.h"
#include "core/ProcessPool.h"
#include "core/Progress.h"
#include "core/ScanOptions.h"

namespace {

using namespace scan;

constexpr int kExitFailedUnits = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitInterrupted = 130;

// A report travels from the child as its status letter, the message, a
// zero byte and the warnings.
std::string encode(const UnitReport& report) {
  return static_cast<char>(report.status) + report.message + '\0' + report.warnings;
}

UnitReport decode(const ChildOutcome& outcome) {
  UnitReport report;
  if (outcome.signal != 0 || outcome.text.empty()) {
    report.status = UnitReport::Status::Failed;
    report.message = outcome.signal ? "the scan crashed (signal " + std::to_string(outcome.signal) + ")\n"
                                    : "the scan ended without a report\n";
    return report;
  }
  report.status = static_cast<UnitReport::Status>(outcome.text[0]);
  const std::size_t zero = outcome.text.find('\0');
  report.message = outcome.text.substr(1, zero == std::string::npos ? std::string::npos : zero - 1);
  if (zero != std::string::npos) report.warnings = outcome.text.substr(zero + 1);
  return report;
}

// Each line of `text` with `prefix` in front.
std::string prefixLines(const std::string& text, const std::string& prefix) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    out += prefix + text.substr(start, end - start) + "\n";
    start = end + 1;
  }
  return out;
}

bool selected(const std::string& file, const std::vector<std::string>& sources) {
  if (sources.empty()) return true;
  for (const std::string& source : sources)
    if (file == source || (file.size() > source.size() && file.starts_with(source) &&
                           (source == "/" || file[source.size()] == '/')))
      return true;
  return false;
}

// Where unit names are shown from: the current directory when every unit
// lies below it, else the folder all units share (an out-of-tree build).
std::string displayRoot(const std::vector<CompileUnit>& units, const std::string& here) {
  const auto below = [](const std::string& file, std::string_view dir) {
    return file.size() > dir.size() && file.starts_with(dir) && file[dir.size()] == '/';
  };
  if (std::all_of(units.begin(), units.end(), [&](const CompileUnit& unit) { return below(unit.file, here); }))
    return here;
  std::string_view common = directoryOf(units.front().file);
  for (const CompileUnit& unit : units)
    while (common.size() > 1 && !below(unit.file, common)) common = directoryOf(common);
  return std::string(common);
}

int cores() {
  long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int>(n) : 1;
}

int scanProject(const ScanOptions& options) {
  const std::string here = currentDirectory();
  CompileDatabase database;
  std::string error;
  if (!loadCompileDatabase(options.database, database, error)) {
    std::fprintf(stderr, "zum-scan: %s\n", error.c_str());
    return kExitBadInput;
  }
  std::vector<std::string> sources;
  for (const std::string& source : options.sources) sources.push_back(normalPath(source, here));
  std::vector<CompileUnit> units;
  for (CompileUnit& unit : database.units)
    if (selected(unit.file, sources)) units.push_back(std::move(unit));
  if (units.empty()) {
    std::fprintf(stderr, "zum-scan: no unit of %s is among the sources named\n", database.file.c_str());
    return kExitBadInput;
  }
  const std::string outputDir = normalPath(options.outputDir, here);
  if (!makeDirectories(outputDir, error)) {
    std::fprintf(stderr, "zum-scan: %s\n", error.c_str());
    return kExitBadInput;
  }

  const std::string shownFrom = displayRoot(units, here);
  const OutputPlan plan = planOutputs(units, outputDir, {shownFrom, here});
  Progress progress(units.size(), options.quiet);
  if (database.repeated > 0)
    progress.message("zum-scan: " + std::to_string(database.repeated) +
                     " entries of the database compile a source again; each source is scanned once");
  for (const std::string& note : plan.notes) progress.message(note);

  std::vector<UnitReport::Status> status(units.size(), UnitReport::Status::Failed);
  bool cplusplus = false;
  PoolCallbacks callbacks;
  callbacks.work = [&](std::size_t i) { return encode(scanUnit(units[i], plan.files[i])); };
  callbacks.done = [&](std::size_t i, const ChildOutcome& outcome) {
    const UnitReport report = decode(outcome);
    status[i] = report.status;
    const std::string name = displayPath(units[i].file, shownFrom);
    if (!report.warnings.empty()) progress.message(prefixLines(report.warnings, "zum-scan: "));
    if (report.status == UnitReport::Status::Failed)
      progress.message("zum-scan: " + name + ": not scanned:\n" + prefixLines(report.message, "  "));
    if (report.status == UnitReport::Status::ScannedCxx) cplusplus = true;
    progress.unitDone(name);
  };
  callbacks.abandoned = [&](std::size_t i, long pid) {
    removeTemporaries(plan.files[i].metricFile, pid);
    removeTemporaries(plan.files[i].errorFile, pid);
  };
  const int jobs = std::min<int>(options.jobs > 0 ? options.jobs : cores(), static_cast<int>(units.size()));
  const bool finished = runInChildren(units.size(), jobs, callbacks);
  progress.finish();
  if (!finished) {
    std::fprintf(stderr, "zum-scan: interrupted; no half-written file is left, %s/sources.lst is unchanged\n",
                 displayPath(outputDir, here).c_str());
    return kExitInterrupted;
  }

  // The C++ product reads C too; a project with one C++ unit is C++.
  const std::string product = cplusplus ? "ZEKPP" : "ZEK";
  std::vector<ListEntry> entries;
  std::vector<std::string> remarks = {
      "The sources zum-scan scanned from " + database.file + ". Analyse them with",
      "  zum " + product + " -cmaf " + outputDir + "/project -list " + outputDir + "/sources.lst"};
  std::size_t failed = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (status[i] == UnitReport::Status::Scanned || status[i] == UnitReport::Status::ScannedCxx)
      entries.push_back({units[i].file, plan.files[i].outputDir});
    if (status[i] == UnitReport::Status::Failed) {
      ++failed;
      remarks.push_back("not scanned (did not compile): " + units[i].file);
    }
  }
  const std::string listFile = outputDir + "/sources.lst";
  if (!writeFileAtomically(listFile, makeListFile(remarks, entries), error)) {
    std::fprintf(stderr, "zum-scan: %s\n", error.c_str());
    return kExitBadInput;
  }
  std::fprintf(stderr, "zum-scan: %zu of %zu units scanned", entries.size(), units.size());
  if (failed) std::fprintf(stderr, ", %zu failed", failed);
  std::fprintf(stderr, "; files in %s\n", displayPath(outputDir, here).c_str());

  int code = failed > 0 ? kExitFailedUnits : 0;
  if (options.analyse) {
    if (entries.empty()) {
      std::fprintf(stderr, "zum-scan: nothing to analyse\n");
      return kExitFailedUnits;
    }
    const int analysed = analyseProject({options.zum, outputDir, listFile, product});
    if (analysed != 0) code = analysed;
  }
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  ScanOptions options;
  try {
    options = parseScanOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "zum-scan: %s\nTry 'zum-scan --help'.\n", error.what());
    return kExitBadInput;
  }
  if (options.help) {
    std::fputs(scanHelpText(), stdout);
    return 0;
  }
  try {
    return scanProject(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zum-scan: %s\n", error.what());
    return kExitBadInput;
  }
}
