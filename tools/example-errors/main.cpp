// zum-example-errors [--project inventory|ledger] DIR [ROOT]
//
// Writes DIR/<source>.err anew for every source of an example project (the
// C example inventory by default, or the C++ example ledger). File names
// are recorded as the per-file analyser records them: the absolute path
// (ROOT joined with the name; default /usr/src/<project>, where the
// example's sources are supposed to have been analysed) and the name as
// given.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ExampleDiagnostics.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/SuppressionRecord.h"
#include "util/Location.h"

namespace {

class Locations {
 public:
  explicit Locations(std::string root) : root_(std::move(root)) {}

  U_Location make(const example::Place& at) const {
    U_Location includedFrom;
    if (!at.includedFrom.empty()) includedFrom = U_Location(file(at.includedFrom), at.includeLine, 0);
    return U_Location(file(at.file), at.line, at.column, includedFrom);
  }

 private:
  XF_Filename file(const std::string& name) const {
    return XF_Filename(U_Filename(root_ + "/" + name), U_Filename(name));
  }
  std::string root_;
};

void writeReport(const std::filesystem::path& dir, const Locations& locations, const example::SourceReport& report) {
  const std::filesystem::path path = dir / (report.source + ".err");
  // The writer appends to what it finds: each run starts the file anew.
  std::filesystem::remove(path);
  M_ErrorFileOutput out(path.string(), M_ErrorFileFormat::Generation::kCurrent, false);
  for (const example::Suppression& s : report.suppressions) {
    out.writeSuppressionRecord(M_SuppressionRecord(s.kind, locations.make(s.at), s.text,
                                                   {{s.firstMessage, s.lastMessage}}, locations.make(s.begin),
                                                   locations.make(s.end)));
  }
  for (const example::Finding& finding : report.findings) {
    M_Diagnostic diagnostic(finding.message, locations.make(finding.at));
    for (const std::string& parameter : finding.parameters) diagnostic.addString(parameter);
    out.writeDiagnostic(diagnostic, false);
  }
  out.close();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string project = "inventory";
  if (args.size() >= 2 && args[0] == "--project") {
    project = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty() || args.size() > 2 || (project != "inventory" && project != "ledger")) {
    std::cerr << "usage: zum-example-errors [--project inventory|ledger] DIR [ROOT]\n";
    return 2;
  }
  const Locations locations(args.size() == 2 ? args[1] : "/usr/src/" + project);
  const auto& reports = project == "ledger" ? example::ledgerReports() : example::exampleReports();
  try {
    for (const example::SourceReport& report : reports) writeReport(args[0], locations, report);
  } catch (const std::exception& failure) {
    // The program's own exceptions derive from std::exception too.
    std::cerr << "zum-example-errors: " << failure.what() << '\n';
    return 1;
  }
  return 0;
}
