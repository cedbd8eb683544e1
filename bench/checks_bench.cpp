// The end of a run, where the cross-module checks and the project metrics
// do their work: a project of N functions that call each other in one
// ring and use globals of their own and other sources.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/Source.h"
#include "app/ModuleRegistry.h"
#include "checks/Reporting.h"
#include "options/ProductTable.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace {

constexpr int kSources = 10;

// Source s defines functions s*n .. s*n+n-1, each calling the next one (the
// last of the last source calls the first of the first: one ring through
// every function) and using a global of its own source and one of the next.
std::string makeSource(int source, int perSource) {
  const int total = kSources * perSource;
  const std::string file = "src_" + std::to_string(source) + ".c";
  std::string out;
  auto fn = [](int f) { return "fn_" + std::to_string(f); };
  auto global = [](int s) { return "g_" + std::to_string(s); };
  for (int s : {source, (source + 1) % kSources})
    out += "<DEFINE> " + global(s) + " api.h " + std::to_string(s + 1) + " I DC OV F X ni -\n";
  out += "<DEFINE> " + global(source) + " " + file + " 1 N DF OV F X ni -\n";
  for (int i = 0; i < perSource; ++i) {
    const int f = source * perSource + i;
    const std::string line = std::to_string(10 + i * 10);
    out += "<DEFINE> " + fn(f) + " " + file + " " + line + " N DC OF F X ()vd -\n";
    out += "<DEFINE> " + fn(f) + " " + file + " " + line + " N DF OF F X ()vd -\n";
    if (i + 1 == perSource) out += "<DEFINE> " + fn((f + 1) % total) + " api.h 1 I DC OF F X ()vd -\n";
    out += "<R>C " + fn(f) + " " + fn((f + 1) % total) + " " + line + " -\n";
    out += "<R>X " + fn(f) + " " + fn((f + 1) % total) + " " + line + " -\n";
    out += "<R>X " + fn(f) + " " + global(i % 2 ? source : (source + 1) % kSources) + " " + line + " R\n";
    out += "<S>\n<S>STFIL " + file + "\n<S>STNAM " + fn(f) + "\n<S>STCYC 2\n";
  }
  out += "<S>\n<S>STFIL " + file + "\n<S>STNAM " + file + "\n<S>STFNC " + std::to_string(perSource) + "\n";
  return out;
}

void BM_EndOfRun(benchmark::State& state) {
  const int perSource = static_cast<int>(state.range(0)) / kSources;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zum-checks-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  for (int s = 0; s < kSources; ++s)
    std::ofstream(dir / ("src_" + std::to_string(s) + ".c.met"), std::ios::binary) << makeSource(s, perSource);

  std::size_t findings = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zum::ProcessState::reset();
    C_RunSettings settings;
    settings.nullMetricOutput = true;
    C_publishRunSettings(settings);
    zum::setFindingSink([&findings](const M_Diagnostic&) { ++findings; });
    for (const zum::ModuleSlot& module : zum::modulesOfRun({zum::MultiFile, zum::kProductZek, false, {}}))
      if (module.configure) module.configure();
    for (int s = 0; s < kSources; ++s)
      P_readSource(s + 1, kSources, XF_Filename("src_" + std::to_string(s) + ".c"), dir.string());
    state.ResumeTiming();
    P_raiseEndEvent();
  }
  benchmark::DoNotOptimize(findings);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  zum::ProcessState::reset();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_EndOfRun)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
