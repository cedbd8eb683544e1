#include "ProjectRun.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/SuppressionRecord.h"
#include "util/Location.h"

namespace moduletest {

namespace fs = std::filesystem;

namespace {

// Error files record each file by its absolute path and its name as given.
XF_Filename fileNamed(const zumtest::Scratch& scratch, const std::string& name) {
  return XF_Filename(U_Filename(scratch.path("out/" + name).string()), U_Filename(name));
}

}  // namespace

ProjectRun::ProjectRun(const std::string& fixture) : env_(zumtest::standardEnv(scratch_)) {
  env_["KODBIN"] = env_["KOJBIN"] = env_["ZEKBIN"];
  for (const char* config : {"bin/zek.cfg", "bin/zekpp.cfg", "bin/kod.cfg", "bin/koj.cfg"}) scratch_.write(config, "");
  fs::create_directories(scratch_.path("out"));
  if (!fixture.empty()) scratch_.copyFixture(fixture, "out");
}

void ProjectRun::writeErrorFile(const std::string& source, const std::vector<ErrorDiagnostic>& diagnostics,
                                const std::vector<ErrorSuppression>& suppressions) const {
  const fs::path path = scratch_.path("out/" + source + ".err");
  fs::remove(path);
  M_ErrorFileOutput out(path.string(), M_ErrorFileFormat::Generation::kCurrent, false);
  for (const ErrorSuppression& s : suppressions) {
    const XF_Filename file = fileNamed(scratch_, s.file);
    out.writeSuppressionRecord(M_SuppressionRecord(1, U_Location(file, s.from, 1), "suppress " + s.first,
                                                   {{s.first, s.last}}, U_Location(file, s.from, 1),
                                                   U_Location(file, s.to + 1, 0)));
  }
  for (const ErrorDiagnostic& d : diagnostics) {
    U_Location includedFrom;
    if (!d.includedFrom.empty()) includedFrom = U_Location(fileNamed(scratch_, d.includedFrom), d.includeLine, 0);
    M_Diagnostic diagnostic(d.message, U_Location(fileNamed(scratch_, d.file), d.line, 1, includedFrom));
    for (const std::string& parameter : d.parameters) diagnostic.addString(parameter);
    out.writeDiagnostic(diagnostic, false);
  }
  out.close();
}

void ProjectRun::writeMetricFile(const std::string& source, const std::string& content) const {
  scratch_.write("out/" + source + ".met", content);
}

zumtest::RunResult ProjectRun::run(const std::string& product, const std::vector<std::string>& sources,
                                   const std::vector<std::string>& extra) const {
  for (const std::string& source : sources)
    if (!scratch_.exists("out/" + source + ".err")) writeErrorFile(source, {});
  std::vector<std::string> args = {product, "-cmaf", "out/proj", "-op", "out"};
  args.insert(args.end(), extra.begin(), extra.end());
  args.insert(args.end(), sources.begin(), sources.end());
  return zumtest::runZum(scratch_, args, env_);
}

ModuleRunResult ProjectRun::runSimple(const std::string& product, const std::vector<std::string>& sources,
                                      const std::vector<std::string>& extra) const {
  std::vector<std::string> args = {"-debug", "simpleoutput"};
  args.insert(args.end(), extra.begin(), extra.end());
  ModuleRunResult result{run(product, sources, args), {}, {}};
  std::istringstream out(result.run.out);
  for (std::string line; std::getline(out, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    (line.starts_with("<S>") ? result.metrics : result.findings).push_back(line);
  }
  return result;
}

std::vector<std::string> ProjectRun::dumpErrorFile(const std::string& relative) const {
  std::vector<std::string> records;
  std::istringstream out(zumtest::errDump(scratch_, env_, relative).out);
  for (std::string line; std::getline(out, line);)
    if (!line.starts_with("file ")) records.push_back(line);
  return records;
}

std::vector<std::string> messagesOf(const std::vector<std::string>& findings, int number) {
  std::vector<std::string> selected;
  const std::string tag = ": Msg=" + std::to_string(number) + " ";
  for (const std::string& line : findings) {
    const std::size_t at = line.find(": Msg=");
    if (at != std::string::npos && line.compare(at, tag.size(), tag) == 0) selected.push_back(line);
  }
  return selected;
}

std::vector<std::string> messagesOf(const std::vector<std::string>& findings, const std::set<int>& numbers) {
  std::vector<std::string> selected;
  for (const std::string& line : findings) {
    const std::vector<int> number = numbersOf({line});
    if (!number.empty() && numbers.count(number.front())) selected.push_back(line);
  }
  return selected;
}

std::vector<int> numbersOf(const std::vector<std::string>& findings) {
  std::vector<int> numbers;
  for (const std::string& line : findings) {
    const std::size_t at = line.find(": Msg=");
    if (at != std::string::npos) numbers.push_back(std::stoi(line.substr(at + 6)));
  }
  return numbers;
}

}  // namespace moduletest
