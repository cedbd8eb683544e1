// The similarity checks over a project of N distinct identifiers in ten
// sources, one in a thousand with a twin: one that differs in letter case
// (1710 with "any_case") and one that agrees in its first 8 characters
// (1711 with "sig_char=8").
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "BenchProject.h"
#include "checks/SimilarIdentifiers.h"

namespace {

constexpr int kSources = 10;

// Twelve characters: "v" and eleven letters drawn from a fixed sequence.
std::string identifier(std::uint64_t& state) {
  std::string name = "v";
  for (int i = 0; i < 11; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    name += static_cast<char>('a' + (state >> 33) % 26);
  }
  return name;
}

void addNames(bench::BenchProject& project, int count) {
  std::uint64_t state = 1;
  const int perSource = count / kSources;
  for (int s = 0; s < kSources; ++s) {
    const std::string file = "names_" + std::to_string(s) + ".cpp";
    std::string text;
    int line = 0;
    auto declare = [&](const std::string& name) {
      text += "<DEFINE> " + name + " " + file + " " + std::to_string(++line) + " N DC OV F I ni -\n";
    };
    for (int i = 0; i < perSource; ++i) {
      const std::string name = identifier(state);
      declare(name);
      if (i % 1000 == 0) {
        declare("V" + name.substr(1));      // differs in letter case
        declare(name.substr(0, 8) + "qq");  // agrees in the first 8 characters
      }
    }
    project.addSource(file, text);
  }
}

void runCheck(benchmark::State& state, const std::vector<std::string>& options, void (*configure)()) {
  bench::BenchProject project("similarity-bench");
  addNames(project, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    project.read(options, {configure});
    state.ResumeTiming();
    project.end();
  }
  state.counters["findings"] = static_cast<double>(project.findings()) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_IdentifiersTooSimilar(benchmark::State& state) {
  runCheck(state, {"close_name::any_case+", "close_name::ignore=[\"_\"]"}, &zum::configureIdentifiersTooSimilar);
}
BENCHMARK(BM_IdentifiersTooSimilar)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_IdentifiersSimilarToN(benchmark::State& state) {
  runCheck(state, {"close_name::sig_char=8"}, &zum::configureIdentifiersSimilarToN);
}
BENCHMARK(BM_IdentifiersSimilarToN)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Without options: 64 significant characters, which no name here has.
void BM_IdentifiersSimilarToNDefault(benchmark::State& state) {
  runCheck(state, {}, &zum::configureIdentifiersSimilarToN);
}
BENCHMARK(BM_IdentifiersSimilarToNDefault)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
