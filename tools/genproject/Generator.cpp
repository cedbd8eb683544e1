#include "Generator.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

#include "ErrorFileStep.h"
#include "Module.h"
#include "OutputFile.h"
#include "ProjectPlan.h"
#include "SourceWriter.h"

namespace genproject {

namespace fs = std::filesystem;

namespace {

void count(Summary& summary, const OutputFile& file) {
  summary.files += 1;
  summary.bytes += file.bytes();
  summary.lines += file.lines();
}

std::string baseName(const std::string& path) { return fs::path(path).filename().string(); }

}  // namespace

Summary generateProject(const Options& options) {
  auto start = std::chrono::steady_clock::now();
  fs::path dir(options.outputDir);
  fs::create_directories(dir);

  ProjectPlan plan = makeProjectPlan(options);
  std::span<const HeaderModel> core(plan.sharedHeaders.data(), size_t(plan.coreHeaders));
  Summary summary;

  OutputFile list(dir / options.listName);
  // Each module is built once and kept for one more source, whose
  // neighbour it is.
  std::optional<Module> previous;
  for (int s = 0; s < options.sources; ++s) {
    Module module = buildModule(options, s, core);
    list.text() += module.source;
    list.text() += '\n';

    OutputFile metrics(dir / (baseName(module.source) + ".met"));
    SourceFacts facts = writeSource(metrics.text(), options, plan, module, previous ? &*previous : nullptr);
    metrics.close();
    count(summary, metrics);

    ErrorFilePlan errors = planErrorFile(options, plan, s, facts);
    if (uint64_t bytes = writeErrorFile(dir, options.root, baseName(module.source), errors)) {
      summary.files += 1;
      summary.bytes += bytes;
    }
    previous = std::move(module);
  }
  list.close();
  count(summary, list);
  summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return summary;
}

}  // namespace genproject
