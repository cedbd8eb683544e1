#include "ErrorFileStep.h"

#include <algorithm>
#include <system_error>

#include "Random.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileOutput.h"
#include "messages/SuppressionRecord.h"
#include "util/Location.h"

namespace genproject {

namespace {

// Messages of the per-file analyser with no special meaning to zum, for
// the bulk of a source's diagnostics.
constexpr int kOrdinaryMessages[] = {414, 506, 736, 1031, 1281, 2017, 2203, 2870, 2981, 3003, 3120, 3132, 3408};

// Diagnostics in a header come out of every source that includes it, at the
// same header line: zum sees them as duplicates. Planned from the header's
// index alone so that every includer agrees.
void headerDiagnostics(const Options& options, const ProjectPlan& plan, int header, const std::string& source,
                       int includeLine, std::vector<PlannedDiagnostic>& out) {
  const HeaderModel& model = plan.sharedHeaders[size_t(header)];
  Random random(streamSeed(options.seed, kErrorStream, uint64_t(header) + (1ULL << 32)));
  int count = random.between(0, 3);
  for (int d = 0; d < count; ++d) {
    PlannedDiagnostic diagnostic;
    diagnostic.message = kOrdinaryMessages[random.below(std::size(kOrdinaryMessages))];
    diagnostic.location = {model.file, random.between(1, std::max(1, model.lastLine)), random.between(1, 60), source,
                           includeLine};
    out.push_back(std::move(diagnostic));
  }
}

}  // namespace

ErrorFilePlan planErrorFile(const Options& options, const ProjectPlan& plan, int sourceIndex,
                            const SourceFacts& facts) {
  ErrorFilePlan result;
  Random random(streamSeed(options.seed, kErrorStream, uint64_t(sourceIndex)));
  if (random.below(1'000'000) >= uint32_t(options.errorFraction * 1'000'000)) return result;

  const std::vector<int>& includes = plan.includes[size_t(sourceIndex)];
  for (size_t i = 0; i < includes.size(); ++i)
    headerDiagnostics(options, plan, includes[i], facts.source, facts.includes[i].line, result.diagnostics);

  // Counted by zum's project metrics: 3219 for each static function nobody
  // calls, 3670 for each recursive call.
  for (const NamedLine& unused : facts.unusedStatics)
    result.diagnostics.push_back({3219, {facts.source, unused.line, 1, "", 0}, {unused.name}});
  for (const NamedLine& call : facts.recursiveCalls)
    result.diagnostics.push_back({3670, {facts.source, call.line, 5, "", 0}, {call.name}});

  int ordinary = random.between(2, 20);
  for (int d = 0; d < ordinary; ++d) {
    int message = kOrdinaryMessages[random.below(std::size(kOrdinaryMessages))];
    int line = random.between(1, std::max(1, facts.lastLine));
    result.diagnostics.push_back({message, {facts.source, line, random.between(1, 80), "", 0}, {}});
    // The same diagnostic twice in one file: the reader keeps one.
    if (random.percent(5)) result.diagnostics.push_back(result.diagnostics.back());
  }

  // A suppression annotation over part of the source, hiding a range of
  // ordinary messages there.
  if (random.percent(60)) {
    int from = random.between(1, std::max(1, facts.lastLine / 2));
    int to = from + random.between(5, 200);
    PlannedSuppression suppression;
    suppression.kind = random.percent(70) ? 1 : 2;
    suppression.at = {facts.source, from, 1, "", 0};
    suppression.text = "suppress 400-3200";
    suppression.messageRanges = {{"400", "3200"}};
    suppression.begin = {facts.source, from, 1, "", 0};
    suppression.end = {facts.source, to, 0, "", 0};
    result.suppressions.push_back(std::move(suppression));
  }
  return result;
}

namespace {

// File names are written the way the per-file analyser writes them: the
// absolute path (zum runs in the output directory, so relative names are
// resolved against it) and the name as given.
class LocationMaker {
 public:
  explicit LocationMaker(std::string root) : root_(std::move(root)) {}

  U_Location make(const PlannedLocation& at) {
    U_Location includedFrom;
    if (!at.includedFrom.empty()) includedFrom = U_Location(file(at.includedFrom), at.includeLine, 0);
    return U_Location(file(at.file), at.line, at.column, includedFrom);
  }

 private:
  XF_Filename file(const std::string& name) {
    const std::string absolute = (!name.empty() && name[0] == '/') ? name : root_ + "/" + name;
    return XF_Filename(U_Filename(absolute), U_Filename(name));
  }
  std::string root_;
};

}  // namespace

uint64_t writeErrorFile(const std::filesystem::path& outputDir, const std::string& root,
                        const std::string& sourceName, const ErrorFilePlan& plan) {
  const std::filesystem::path path = outputDir / (sourceName + ".err");
  // A stale file would be appended to: the generator always starts anew.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);

  LocationMaker locations(root.empty() ? std::filesystem::weakly_canonical(outputDir).string() : root);
  M_ErrorFileOutput out(path.string(), M_ErrorFileFormat::Generation::kCurrent, false);
  for (const PlannedSuppression& s : plan.suppressions) {
    M_SuppressionRecord record(s.kind, locations.make(s.at), s.text,
                               std::vector<M_MessageRange>(s.messageRanges.begin(), s.messageRanges.end()),
                               locations.make(s.begin), locations.make(s.end));
    out.writeSuppressionRecord(record);
  }
  for (const PlannedDiagnostic& d : plan.diagnostics) {
    M_Diagnostic diagnostic(d.message, locations.make(d.location));
    for (const std::string& parameter : d.parameters) diagnostic.addString(parameter);
    out.writeDiagnostic(diagnostic, false);
  }
  out.close();
  return std::filesystem::file_size(path);
}

}  // namespace genproject
